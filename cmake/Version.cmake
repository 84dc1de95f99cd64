# vorthmere_version.h: the project's version and the commit it is built from, for the first line
# of Vorthmere.log. Remade at every build and rewritten only when its text changes, so a new
# commit shows without a new configure and an unchanged one rebuilds nothing.

# Script mode: writes the header (run by the target below at build time).
if(CMAKE_SCRIPT_MODE_FILE)
    set(commit unknown)
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} -C ${SOURCE_DIR} rev-parse --short=12 HEAD
                        OUTPUT_VARIABLE head OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
        if(NOT failed AND head)
            set(commit ${head})
            execute_process(COMMAND ${GIT_EXECUTABLE} -C ${SOURCE_DIR} status --porcelain --untracked-files=no
                            OUTPUT_VARIABLE changes ERROR_QUIET)
            if(changes)
                string(APPEND commit "-modified")
            endif()
        endif()
    endif()
    file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "// Made by cmake/Version.cmake at build time.
#pragma once
#define VORTHMERE_VERSION \"${VERSION}\"
#define VORTHMERE_COMMIT \"${commit}\"
")
    return()
endif()

set(VORTHMERE_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
add_custom_target(vorthmere_version
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DVERSION=${PROJECT_VERSION}
            -DOUTPUT=${VORTHMERE_GENERATED_DIR}/vorthmere_version.h -P ${CMAKE_CURRENT_LIST_FILE}
    BYPRODUCTS ${VORTHMERE_GENERATED_DIR}/vorthmere_version.h
    COMMENT "Version and commit for the log")
