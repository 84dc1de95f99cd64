# The number conversion table of the Linux unit tests, run by the Windows build under Wine, so
# that msvcrt.dll's conversions can never decide what a settings file means. Included at the end
# of tools/windows_host/CMakeLists.txt, whose Wine and static runtime settings it uses.
add_executable(vorthmere_settings_table ${CMAKE_CURRENT_LIST_DIR}/settings_table.cpp)
target_link_libraries(vorthmere_settings_table PRIVATE vorthmere_core)
target_include_directories(vorthmere_settings_table PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
target_link_options(vorthmere_settings_table PRIVATE ${VORTHMERE_STATIC_RUNTIME})
vorthmere_warnings(vorthmere_settings_table)

# The program writes and loads Vorthmere.ini in its working folder.
set(settings_table_work ${CMAKE_CURRENT_BINARY_DIR}/settings_table_work)
file(MAKE_DIRECTORY ${settings_table_work})
find_program(VORTHMERE_WINE NAMES wine64 wine)
add_test(NAME windows.settings_table
    COMMAND ${VORTHMERE_WINE} $<TARGET_FILE:vorthmere_settings_table>
    WORKING_DIRECTORY ${settings_table_work})
set_tests_properties(windows.settings_table PROPERTIES
    ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wine;WINEDEBUG=-all" TIMEOUT 120)

# The same table through the real DLL: one script start per row, the value read seen in what the
# plug-in does with it.
add_executable(vorthmere_dll_number_table ${CMAKE_CURRENT_LIST_DIR}/dll_number_table.cpp)
target_link_libraries(vorthmere_dll_number_table PRIVATE standin_host_dll native_catalogue)
target_include_directories(vorthmere_dll_number_table PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
target_link_options(vorthmere_dll_number_table PRIVATE ${VORTHMERE_STATIC_RUNTIME})
vorthmere_warnings(vorthmere_dll_number_table)
add_dependencies(vorthmere_dll_number_table vorthmere)
set(dll_table_work ${CMAKE_CURRENT_BINARY_DIR}/dll_number_table_work)
file(MAKE_DIRECTORY ${dll_table_work})
add_test(NAME windows.dll_number_table
    COMMAND ${VORTHMERE_WINE} $<TARGET_FILE:vorthmere_dll_number_table> $<TARGET_FILE:vorthmere>
    WORKING_DIRECTORY ${dll_table_work})
set_tests_properties(windows.dll_number_table PROPERTIES
    ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wine;WINEDEBUG=-all" TIMEOUT 120)
