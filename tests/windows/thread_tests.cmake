# The soak and the concurrency scenarios of the Linux tests, run with the real Vorthmere.asi
# under Wine: the same sources (tests/soak, tests/concurrency) built for Windows beside the
# stand-in ScriptHookRDR2.dll, loading the plug-in as the simulator does. Included at the end of
# tools/windows_host/CMakeLists.txt, whose Wine settings it uses.
set(soak_dir ${PROJECT_SOURCE_DIR}/tests/soak)
set(concurrency_dir ${PROJECT_SOURCE_DIR}/tests/concurrency)
set(sim_dir ${PROJECT_SOURCE_DIR}/tools/sim)

# The simulator's loader of the plug-in (it points the DLL's clock at the stand-in's), for a
# program of this folder, beside the stand-in ScriptHookRDR2.dll.
function(vorthmere_wine_plugin_program target)
    target_sources(${target} PRIVATE ${sim_dir}/plugin_library_windows.cpp)
    target_include_directories(${target} PRIVATE ${sim_dir} ${PROJECT_SOURCE_DIR}/src)
    set(from_program "$<PATH:RELATIVE_PATH,$<TARGET_FILE:vorthmere>,${CMAKE_CURRENT_BINARY_DIR}>")
    target_compile_definitions(${target} PRIVATE VORTHMERE_LIBRARY_FROM_PROGRAM="${from_program}")
    target_link_options(${target} PRIVATE ${VORTHMERE_STATIC_RUNTIME})
    vorthmere_warnings(${target})
    add_dependencies(${target} vorthmere)
endfunction()

# CI runs 100,000 frames; VORTHMERE_SOAK_FRAMES sets another count.
add_executable(vorthmere_wine_soak ${tests_dir}/wine_soak.cpp ${soak_dir}/soak_game.cpp ${soak_dir}/soak_run.cpp)
target_include_directories(vorthmere_wine_soak PRIVATE ${soak_dir})
target_link_libraries(vorthmere_wine_soak PRIVATE vorthmere_sim_game standin_host_dll native_catalogue)
target_compile_definitions(vorthmere_wine_soak PRIVATE VORTHMERE_SOAK_FRAMES=100000)
vorthmere_wine_plugin_program(vorthmere_wine_soak)

set(soak_work ${CMAKE_CURRENT_BINARY_DIR}/wine_soak_work)
file(MAKE_DIRECTORY ${soak_work})
add_test(NAME windows.soak
    COMMAND ${VORTHMERE_WINE} $<TARGET_FILE:vorthmere_wine_soak> $<TARGET_FILE:vorthmere>
    WORKING_DIRECTORY ${soak_work})
set_tests_properties(windows.soak PROPERTIES ENVIRONMENT "${wine_env}" LABELS soak TIMEOUT 600)

add_executable(vorthmere_wine_key_writer ${tests_dir}/wine_key_writer.cpp ${concurrency_dir}/key_writer.cpp)
target_include_directories(vorthmere_wine_key_writer PRIVATE ${concurrency_dir})
target_link_libraries(vorthmere_wine_key_writer PRIVATE standin_host_dll native_catalogue)
vorthmere_wine_plugin_program(vorthmere_wine_key_writer)

foreach(scenario KeyTestsBesideKeyWriter FrameUpdateBesideKeyWriter SwitchingBesideKeyWriter)
    set(work ${CMAKE_CURRENT_BINARY_DIR}/wine_${scenario})
    file(MAKE_DIRECTORY ${work})
    add_test(NAME windows.concurrency.${scenario}
        COMMAND ${VORTHMERE_WINE} $<TARGET_FILE:vorthmere_wine_key_writer> $<TARGET_FILE:vorthmere> ${scenario}
        WORKING_DIRECTORY ${work})
    set_tests_properties(windows.concurrency.${scenario} PROPERTIES
        ENVIRONMENT "${wine_env}" LABELS concurrency TIMEOUT 120)
endforeach()
