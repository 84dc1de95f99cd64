# Tests of the player's package, run under Wine by the Windows CI stage after it has built the
# package target: what the zip holds, and its plug-in as a player gets it.
add_executable(vorthmere_version_info ${CMAKE_CURRENT_LIST_DIR}/version_info.cpp)
target_link_libraries(vorthmere_version_info PRIVATE version)
target_link_options(vorthmere_version_info PRIVATE ${VORTHMERE_STATIC_RUNTIME})
vorthmere_warnings(vorthmere_version_info)

find_program(VORTHMERE_WINE NAMES wine64 wine)
find_program(VORTHMERE_UNZIP unzip)
add_test(NAME windows.package
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check_package.sh ${package_zip} ${PROJECT_VERSION} ${CMAKE_OBJDUMP}
            ${VORTHMERE_WINE} $<TARGET_FILE:vorthmere_version_info> $<TARGET_FILE:vorthmere_wine_runner>
            ${PROJECT_SOURCE_DIR})
set_tests_properties(windows.package PROPERTIES
    ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wine;WINEDEBUG=-all" TIMEOUT 180)

# The built plug-in reads a settings file that only exact reading gets right (hexadecimal float,
# a comment cut at 199 characters).
set(settings_work ${CMAKE_CURRENT_BINARY_DIR}/wine_settings_work)
file(MAKE_DIRECTORY ${settings_work})
add_test(NAME windows.wine_reads_settings
    COMMAND ${VORTHMERE_WINE} $<TARGET_FILE:vorthmere_wine_runner> $<TARGET_FILE:vorthmere> settings
    WORKING_DIRECTORY ${settings_work})
set_tests_properties(windows.wine_reads_settings PROPERTIES
    ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wine;WINEDEBUG=-all" TIMEOUT 120)
