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
