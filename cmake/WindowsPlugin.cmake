# The Windows plug-in Vorthmere.asi, its test programs and its player package. Included from
# the top-level CMakeLists.txt when building for Windows (the windows preset).

# The host's exports under their decorated names: an import library made from the .def, so
# that the plain extern "C" names our code calls bind to ScriptHookRDR2.dll's decorated ones.
set(VORTHMERE_HOST_DEF ${CMAKE_CURRENT_LIST_DIR}/ScriptHookRDR2.def)
set(VORTHMERE_HOST_IMPORTS ${CMAKE_BINARY_DIR}/libScriptHookRDR2_imports.a)
add_custom_command(OUTPUT ${VORTHMERE_HOST_IMPORTS}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${VORTHMERE_HOST_DEF} --dllname ScriptHookRDR2.dll
            --output-lib ${VORTHMERE_HOST_IMPORTS}
    DEPENDS ${VORTHMERE_HOST_DEF}
    COMMENT "Import library of ScriptHookRDR2.dll")
add_custom_target(vorthmere_host_imports DEPENDS ${VORTHMERE_HOST_IMPORTS})

# No toolchain runtime DLL beside the plug-in: libgcc and libstdc++ go into it.
set(VORTHMERE_STATIC_RUNTIME -static-libgcc -static-libstdc++ -static)

add_library(vorthmere SHARED ${CMAKE_CURRENT_LIST_DIR}/plugin_anchor.cpp)
target_link_libraries(vorthmere PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,vorthmere_core>" ${VORTHMERE_HOST_IMPORTS})
add_dependencies(vorthmere vorthmere_host_imports)
# DllMain is the entry the start-up code calls, not an export: the plug-in exports nothing.
target_link_options(vorthmere PRIVATE ${VORTHMERE_STATIC_RUNTIME} -Wl,--exclude-all-symbols)
set_target_properties(vorthmere PROPERTIES
    OUTPUT_NAME Vorthmere
    PREFIX ""
    SUFFIX ".asi"
    RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}"
    ARCHIVE_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/lib"
    LINK_DEPENDS "${VORTHMERE_HOST_IMPORTS}")
vorthmere_warnings(vorthmere)

if(VORTHMERE_BUILD_TESTS)
    enable_testing()
    add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/../tools/windows_host ${CMAKE_BINARY_DIR}/windows_host)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/../packaging/Package.cmake)
