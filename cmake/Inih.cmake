# inih, linked statically into the plug-in so that it needs no library beside it, on every build:
# Linux and Windows, every preset, the fuzzer and the simulator. Only upstream inih at tag r62,
# built here with its default options: the settings rely on exactly that dialect (a line cut at
# 199 characters and the rest dropped, multi-line values, inline comments), which an installed
# build with other options would silently change. Declared with FetchContent as "inih" and pinned
# to its commit: from a local copy with CMake's standard -DFETCHCONTENT_SOURCE_DIR_INIH=<folder>,
# otherwise downloaded into the build folder. Without either, configuration stops with one
# message that names the option.
# Sets VORTHMERE_INIH_LICENSE: inih's licence text, which goes into the player's package.

set(VORTHMERE_INIH_TAG r62)
set(VORTHMERE_INIH_COMMIT 26254ee9de7681f8825433415443e7116ff24b98)
set(VORTHMERE_INIH_REPOSITORY "https://github.com/benhoyt/inih.git" CACHE STRING
    "Git repository that inih ${VORTHMERE_INIH_TAG} is fetched from")

# Script mode: the download alone, run as a child process by the configure step below, so that an
# unreachable server ends in one message instead of pages of git output.
if(CMAKE_SCRIPT_MODE_FILE)
    include(FetchContent)
    FetchContent_Populate(inih
        GIT_REPOSITORY ${INIH_REPOSITORY}
        GIT_TAG ${VORTHMERE_INIH_COMMIT}
        QUIET
        SOURCE_DIR ${INIH_DOWNLOAD_DIR}/src
        BINARY_DIR ${INIH_DOWNLOAD_DIR}/build
        SUBBUILD_DIR ${INIH_DOWNLOAD_DIR}/subbuild)
    return()
endif()

add_library(vorthmere_inih INTERFACE)

# Fetches r62 once into the build folder and leaves FETCHCONTENT_SOURCE_DIR_INIH pointing at it.
function(vorthmere_download_inih)
    set(download_dir ${CMAKE_BINARY_DIR}/_deps/inih-download)
    if(NOT EXISTS ${download_dir}/src/ini.c)
        message(STATUS "Fetching inih ${VORTHMERE_INIH_TAG} from ${VORTHMERE_INIH_REPOSITORY}")
        execute_process(
            COMMAND ${CMAKE_COMMAND} -DINIH_REPOSITORY=${VORTHMERE_INIH_REPOSITORY}
                    -DINIH_DOWNLOAD_DIR=${download_dir} -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
            RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET TIMEOUT 120)
    endif()
    if(NOT EXISTS ${download_dir}/src/ini.c)
        message(FATAL_ERROR "inih ${VORTHMERE_INIH_TAG} is needed and could not be fetched from "
                            "${VORTHMERE_INIH_REPOSITORY}: give a local copy of its source with "
                            "-DFETCHCONTENT_SOURCE_DIR_INIH=<folder>")
    endif()
    set(FETCHCONTENT_SOURCE_DIR_INIH ${download_dir}/src PARENT_SCOPE)
endfunction()

if(NOT FETCHCONTENT_SOURCE_DIR_INIH)
    vorthmere_download_inih()
elseif(NOT EXISTS "${FETCHCONTENT_SOURCE_DIR_INIH}/ini.c")
    message(FATAL_ERROR "FETCHCONTENT_SOURCE_DIR_INIH=${FETCHCONTENT_SOURCE_DIR_INIH} holds no inih "
                        "source (ini.c): give the folder of inih ${VORTHMERE_INIH_TAG}")
endif()
include(FetchContent)
FetchContent_Declare(inih
    GIT_REPOSITORY ${VORTHMERE_INIH_REPOSITORY}
    GIT_TAG ${VORTHMERE_INIH_COMMIT})
# r62 has no CMake build of its own: this only makes the source available.
FetchContent_MakeAvailable(inih)
# inih's default build options, no defines. INIReader is not part of the plug-in (it streams the
# file through ini.c itself); the tests, the fuzzer's oracle and the benchmark use it as the
# reference reading.
add_library(vorthmere_inih_static STATIC ${inih_SOURCE_DIR}/ini.c)
target_include_directories(vorthmere_inih_static SYSTEM PUBLIC ${inih_SOURCE_DIR})
target_link_libraries(vorthmere_inih INTERFACE vorthmere_inih_static)
add_library(vorthmere_inireader STATIC ${inih_SOURCE_DIR}/cpp/INIReader.cpp)
target_include_directories(vorthmere_inireader SYSTEM PUBLIC ${inih_SOURCE_DIR}/cpp)
target_link_libraries(vorthmere_inireader PUBLIC vorthmere_inih_static)
set(VORTHMERE_INIH_LICENSE "${inih_SOURCE_DIR}/LICENSE.txt")
set(inih_where "inih ${VORTHMERE_INIH_TAG} built from ${inih_SOURCE_DIR}")
message(STATUS "inih: ${inih_where}; licence ${VORTHMERE_INIH_LICENSE}")
