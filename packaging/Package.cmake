# The player's package Vorthmere-<version>.zip: the stripped plug-in, the documented default
# settings file, the player's README, the changelog, Vorthmere's licence and inih's, and nothing
# else (no debug information, nothing of the test set-up). The version is the project's. The
# zip and the plug-in are the same bytes for the same commit (packaging/MakePackage.cmake).
set(package_dir ${CMAKE_BINARY_DIR}/package)
set(package_zip ${CMAKE_BINARY_DIR}/Vorthmere-${PROJECT_VERSION}.zip)
set(package_files Vorthmere.asi Vorthmere.ini README.txt CHANGELOG.txt LICENSE.txt LICENSE-inih.txt)
# The checksums players compare a download with: the zip and the plug-in, beside them.
set(package_sums ${CMAKE_BINARY_DIR}/SHA256SUMS.txt)
configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt ${package_dir}/README.txt @ONLY)

# inih's licence asks for its notice in every binary redistribution, and the zip is made by
# Info-ZIP's zip (Debian: zip): without either the package target fails, while the plug-in and
# its tests still build.
find_program(VORTHMERE_ZIP zip)
if(NOT VORTHMERE_INIH_LICENSE OR NOT EXISTS "${VORTHMERE_INIH_LICENSE}")
    set(package_missing "no licence notice of inih found")
elseif(NOT VORTHMERE_ZIP)
    set(package_missing "no zip program found")
endif()
if(package_missing)
    add_custom_target(package
        COMMAND ${CMAKE_COMMAND} -E echo "${package_missing}: the package cannot be made"
        COMMAND ${CMAKE_COMMAND} -E false)
    return()
endif()

add_custom_command(OUTPUT ${package_zip}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${package_zip} ${package_dir}/Vorthmere.asi
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:vorthmere> ${package_dir}/Vorthmere.asi
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/Vorthmere.ini ${package_dir}/Vorthmere.ini
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${package_dir}/CHANGELOG.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${package_dir}/LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${VORTHMERE_INIH_LICENSE} ${package_dir}/LICENSE-inih.txt
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DPACKAGE_DIR=${package_dir}
            -DZIP_PROGRAM=${VORTHMERE_ZIP} "-DFILES=${package_files}" -DZIP=${package_zip}
            -DDLL=$<TARGET_FILE:vorthmere> -DSUMS=${package_sums}
            -P ${CMAKE_CURRENT_LIST_DIR}/MakePackage.cmake
    BYPRODUCTS ${package_sums}
    DEPENDS vorthmere ${CMAKE_CURRENT_LIST_DIR}/Vorthmere.ini ${package_dir}/README.txt
            ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_SOURCE_DIR}/LICENSE ${VORTHMERE_INIH_LICENSE}
            ${CMAKE_CURRENT_LIST_DIR}/MakePackage.cmake ${PROJECT_SOURCE_DIR}/cmake/SourceDate.cmake
    COMMENT "Player's package Vorthmere-${PROJECT_VERSION}.zip and SHA256SUMS.txt"
    VERBATIM)
add_custom_target(package DEPENDS ${package_zip})
