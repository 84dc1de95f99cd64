# The Windows plug-in Vorthmere.asi, its test programs and its player package. Included from
# the top-level CMakeLists.txt when building for Windows (the windows preset).
enable_language(RC)

# The host's exports under their decorated names: an import library made from the .def, so
# that the plain extern "C" names our code calls bind to ScriptHookRDR2.dll's decorated ones.
set(VORTHMERE_HOST_DEF ${CMAKE_CURRENT_LIST_DIR}/ScriptHookRDR2.def)
set(VORTHMERE_HOST_IMPORTS ${CMAKE_BINARY_DIR}/libScriptHookRDR2_imports.a)
# dlltool names the library's symbols after the path it is given: a bare name, made in the build
# folder, keeps the folder out of the plug-in.
add_custom_command(OUTPUT ${VORTHMERE_HOST_IMPORTS}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${VORTHMERE_HOST_DEF} --dllname ScriptHookRDR2.dll
            --output-lib libScriptHookRDR2_imports.a
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS ${VORTHMERE_HOST_DEF}
    COMMENT "Import library of ScriptHookRDR2.dll")
add_custom_target(vorthmere_host_imports DEPENDS ${VORTHMERE_HOST_IMPORTS})

# No toolchain runtime DLL beside the plug-in: libgcc and libstdc++ go into it.
set(VORTHMERE_STATIC_RUNTIME -static-libgcc -static-libstdc++ -static)

# The version players see in the file's properties, from project(), and the commit, from the
# header cmake/Version.cmake remakes at every build.
configure_file(${PROJECT_SOURCE_DIR}/packaging/version.rc.in ${CMAKE_BINARY_DIR}/version.rc @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/version.rc PROPERTIES
    INCLUDE_DIRECTORIES ${VORTHMERE_GENERATED_DIR}
    OBJECT_DEPENDS ${VORTHMERE_GENERATED_DIR}/vorthmere_version.h)

add_library(vorthmere SHARED ${CMAKE_CURRENT_LIST_DIR}/plugin_anchor.cpp ${CMAKE_BINARY_DIR}/version.rc)
target_link_libraries(vorthmere PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,vorthmere_core>" ${VORTHMERE_HOST_IMPORTS})
add_dependencies(vorthmere vorthmere_host_imports)
# DllMain is the entry the start-up code calls, not an export: the plug-in exports nothing.
target_link_options(vorthmere PRIVATE ${VORTHMERE_STATIC_RUNTIME} -Wl,--exclude-all-symbols -Wl,--gc-sections)
set_target_properties(vorthmere PROPERTIES
    OUTPUT_NAME Vorthmere
    PREFIX ""
    SUFFIX ".asi"
    RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}"
    ARCHIVE_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/lib"
    LINK_DEPENDS "${VORTHMERE_HOST_IMPORTS}")
vorthmere_warnings(vorthmere)

# The same commit gives the same bytes, wherever and whenever it is built: the PE time stamp is
# the release time of cmake/SourceDate.cmake (objcopy writes the header anew, so it runs at that
# time too), and the debug information, whose checksum the stripped DLL carries in its debug
# link, names files relative to the source, build and inih folders.
set(VORTHMERE_AT_RELEASE_TIME
    ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -P ${CMAKE_CURRENT_LIST_DIR}/SourceDate.cmake --)
set_target_properties(vorthmere PROPERTIES CXX_LINKER_LAUNCHER "${VORTHMERE_AT_RELEASE_TIME}")
set(VORTHMERE_PREFIX_MAPS
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
if(inih_SOURCE_DIR)
    list(APPEND VORTHMERE_PREFIX_MAPS -ffile-prefix-map=${inih_SOURCE_DIR}=inih)
endif()
foreach(target vorthmere vorthmere_core vorthmere_inih_static)
    if(TARGET ${target})
        target_compile_options(${target} PRIVATE ${VORTHMERE_PREFIX_MAPS})
    endif()
endforeach()

# Players get the DLL without its debug information, which stays beside it in the build folder
# (Vorthmere.asi.debug, found by debuggers through the debug link).
add_custom_command(TARGET vorthmere POST_BUILD
    COMMAND ${VORTHMERE_AT_RELEASE_TIME} ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:vorthmere>
            $<TARGET_FILE:vorthmere>.debug
    COMMAND ${VORTHMERE_AT_RELEASE_TIME} ${CMAKE_OBJCOPY} --strip-debug --strip-unneeded
            $<TARGET_FILE:vorthmere>
    COMMAND ${VORTHMERE_AT_RELEASE_TIME} ${CMAKE_OBJCOPY} --add-gnu-debuglink=$<TARGET_FILE_NAME:vorthmere>.debug
            $<TARGET_FILE:vorthmere>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:vorthmere>
    COMMENT "Stripping Vorthmere.asi; debug information in Vorthmere.asi.debug")

# The stand-in ScriptHookRDR2.dll, the simulator and the programs the tests run under Wine.
add_subdirectory(${PROJECT_SOURCE_DIR}/tools/windows_host ${CMAKE_BINARY_DIR}/windows_host)

include(${PROJECT_SOURCE_DIR}/packaging/Package.cmake)
if(BUILD_TESTING)
    include(${PROJECT_SOURCE_DIR}/tests/windows/package_tests.cmake)
endif()
