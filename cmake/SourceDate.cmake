# The release time of a build: SOURCE_DATE_EPOCH when the environment sets it, otherwise the time
# of the commit being built (0 outside a Git checkout). The PE header's time stamp and the times
# of the zip's entries are this time and never the clock, so that two builds of one commit give
# the same bytes.
#
# Script mode, as the plug-in's linker launcher and before each objcopy: runs the command after
# "--" with SOURCE_DATE_EPOCH set, which GNU ld and objcopy write into the PE header instead of
# the time they run.
#   cmake -DSOURCE_DIR=<source folder> -P SourceDate.cmake -- <command> <argument>...

# Sets out_var to the release time, in seconds since 1970.
function(vorthmere_source_date_epoch out_var source_dir)
    if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
        set(${out_var} "$ENV{SOURCE_DATE_EPOCH}" PARENT_SCOPE)
        return()
    endif()
    set(epoch 0)
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} -C ${source_dir} log -1 --format=%ct
                        OUTPUT_VARIABLE time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
        if(NOT failed AND time MATCHES "^[0-9]+$")
            set(epoch ${time})
        endif()
    endif()
    set(${out_var} ${epoch} PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    set(command "")
    set(after_separator FALSE)
    math(EXPR last "${CMAKE_ARGC} - 1")
    foreach(i RANGE 1 ${last})
        if(after_separator)
            list(APPEND command "${CMAKE_ARGV${i}}")
        elseif(CMAKE_ARGV${i} STREQUAL "--")
            set(after_separator TRUE)
        endif()
    endforeach()
    vorthmere_source_date_epoch(epoch ${SOURCE_DIR})
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
    execute_process(COMMAND ${command} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${command}: failed (${result})")
    endif()
endif()
