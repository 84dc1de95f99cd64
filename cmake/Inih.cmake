# inih's INIReader, linked statically into the plug-in so that it needs no library beside it, on
# every build: Linux and Windows, every preset, the fuzzer and the simulator. Release r59 is the
# first that cuts a line longer than 199 characters and drops the rest of it, which the settings
# file relies on; we build r62. In order of preference:
#   1. an installed inih of release 59 or later: vcpkg's unofficial-inih, or pkg-config's INIReader
#      (with its static archives);
#   2. upstream inih at tag r62, declared with FetchContent as "inih" and pinned to its commit:
#      from a local copy with CMake's standard -DFETCHCONTENT_SOURCE_DIR_INIH=<folder>, otherwise
#      downloaded into the build folder.
# Without either, configuration stops with one message that names the option.
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
set(VORTHMERE_INIH_LICENSE "")

# An installed inih, only of release 59 or later; returns its licence file in license_var when found.
function(vorthmere_find_installed_inih found_var where_var license_var)
    set(${found_var} FALSE PARENT_SCOPE)
    find_package(unofficial-inih 59 CONFIG QUIET)
    if(unofficial-inih_FOUND)
        target_link_libraries(vorthmere_inih INTERFACE unofficial::inih::inireader)
        set(prefix "${unofficial-inih_DIR}/../..")
        set(where "installed vcpkg package unofficial-inih ${unofficial-inih_VERSION}")
    else()
        find_package(PkgConfig QUIET)
        if(NOT PKG_CONFIG_FOUND)
            return()
        endif()
        pkg_check_modules(VORTHMERE_INSTALLED_INIREADER QUIET INIReader>=59)
        if(NOT VORTHMERE_INSTALLED_INIREADER_FOUND)
            return()
        endif()
        set(dirs ${VORTHMERE_INSTALLED_INIREADER_LIBRARY_DIRS})
        find_library(VORTHMERE_INIREADER_ARCHIVE NAMES libINIReader.a HINTS ${dirs} NO_CACHE)
        find_library(VORTHMERE_INIH_ARCHIVE NAMES libinih.a HINTS ${dirs} NO_CACHE)
        if(NOT VORTHMERE_INIREADER_ARCHIVE OR NOT VORTHMERE_INIH_ARCHIVE)
            return()
        endif()
        target_include_directories(vorthmere_inih INTERFACE ${VORTHMERE_INSTALLED_INIREADER_INCLUDE_DIRS})
        target_link_libraries(vorthmere_inih INTERFACE ${VORTHMERE_INIREADER_ARCHIVE} ${VORTHMERE_INIH_ARCHIVE})
        set(prefix "${VORTHMERE_INSTALLED_INIREADER_PREFIX}")
        set(where "installed INIReader ${VORTHMERE_INSTALLED_INIREADER_VERSION} (pkg-config)")
    endif()
    # The installed package's licence, where vcpkg, MSYS2 and Debian put it.
    find_file(license NAMES copyright LICENSE.txt LICENSE
              PATHS ${prefix}/share/inih ${prefix}/share/unofficial-inih ${prefix}/share/licenses/inih
                    ${prefix}/share/licenses/libinih ${prefix}/share/doc/libinih-dev ${prefix}/share/doc/inih
              NO_DEFAULT_PATH NO_CACHE)
    set(${found_var} TRUE PARENT_SCOPE)
    set(${where_var} "${where}" PARENT_SCOPE)
    set(${license_var} "${license}" PARENT_SCOPE)
endfunction()

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

vorthmere_find_installed_inih(inih_installed inih_where VORTHMERE_INIH_LICENSE)
if(NOT inih_installed)
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
    # inih's default build options, no defines: the settings rely on exactly that dialect.
    add_library(vorthmere_inih_static STATIC ${inih_SOURCE_DIR}/ini.c ${inih_SOURCE_DIR}/cpp/INIReader.cpp)
    target_include_directories(vorthmere_inih_static SYSTEM PUBLIC ${inih_SOURCE_DIR} ${inih_SOURCE_DIR}/cpp)
    target_link_libraries(vorthmere_inih INTERFACE vorthmere_inih_static)
    set(VORTHMERE_INIH_LICENSE "${inih_SOURCE_DIR}/LICENSE.txt")
    set(inih_where "inih ${VORTHMERE_INIH_TAG} built from ${inih_SOURCE_DIR}")
endif()
message(STATUS "inih: ${inih_where}; licence ${VORTHMERE_INIH_LICENSE}")
