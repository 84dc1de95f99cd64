# inih's INIReader for the Windows plug-in, built into the DLL. In order of preference:
#   1. an installed inih for the target (vcpkg's unofficial-inih package, or pkg-config's
#      INIReader as MSYS2 provides it);
#   2. upstream inih at release r55 (Debian's version, so both builds parse alike) through
#      FetchContent under the name "inih": from a local copy with
#      -DFETCHCONTENT_SOURCE_DIR_INIH=<folder>, otherwise downloaded (-DVORTHMERE_FETCH_INIH=OFF
#      stops that);
#   3. neither: a test double of INIReader that answers every lookup with its default, as a
#      missing Vorthmere.ini would. The build then still proves loader, imports, DllMain and the
#      native protocol under Wine; it says so here and in the test's output.
# Sets VORTHMERE_INIH_KIND (installed, fetched, double) and VORTHMERE_INIH_LICENSE (the licence
# notice that goes into the player's package, empty if none was found).

set(VORTHMERE_INIH_TAG r55)

# Script mode: the download alone, run as a child process by the configure step below, so that
# an unreachable server ends in a message instead of a failed configure.
if(CMAKE_SCRIPT_MODE_FILE)
    include(FetchContent)
    FetchContent_Populate(inih
        GIT_REPOSITORY ${INIH_REPOSITORY}
        GIT_TAG ${VORTHMERE_INIH_TAG}
        GIT_SHALLOW TRUE
        QUIET
        SOURCE_DIR ${INIH_DOWNLOAD_DIR}/src
        BINARY_DIR ${INIH_DOWNLOAD_DIR}/build
        SUBBUILD_DIR ${INIH_DOWNLOAD_DIR}/subbuild)
    return()
endif()

option(VORTHMERE_FETCH_INIH "Download inih r55 when no installed inih is found" ON)
set(VORTHMERE_INIH_REPOSITORY "https://github.com/benhoyt/inih.git" CACHE STRING
    "Git repository that inih r55 is downloaded from")

add_library(vorthmere_inih INTERFACE)
set(VORTHMERE_INIH_KIND "")
set(VORTHMERE_INIH_LICENSE "")

find_package(unofficial-inih CONFIG QUIET)
if(unofficial-inih_FOUND)
    target_link_libraries(vorthmere_inih INTERFACE unofficial::inih::inireader)
    set(VORTHMERE_INIH_KIND installed)
    set(inih_where "installed vcpkg package unofficial-inih")
    set(inih_prefix "${unofficial-inih_DIR}/../..")
else()
    find_package(PkgConfig QUIET)
    if(PKG_CONFIG_FOUND)
        pkg_check_modules(VORTHMERE_WIN_INIREADER QUIET IMPORTED_TARGET INIReader)
    endif()
    if(VORTHMERE_WIN_INIREADER_FOUND)
        target_link_libraries(vorthmere_inih INTERFACE PkgConfig::VORTHMERE_WIN_INIREADER)
        target_link_options(vorthmere_inih INTERFACE -static)
        set(VORTHMERE_INIH_KIND installed)
        set(inih_where "installed INIReader ${VORTHMERE_WIN_INIREADER_VERSION} (pkg-config)")
        set(inih_prefix "${VORTHMERE_WIN_INIREADER_PREFIX}")
    endif()
endif()

# Downloads r55 once into the build folder; leaves FETCHCONTENT_SOURCE_DIR_INIH pointing at it
# on success, and inih_fetch_failure saying why not otherwise.
function(vorthmere_download_inih)
    set(download_dir ${CMAKE_BINARY_DIR}/_deps/inih-download)
    if(NOT EXISTS ${download_dir}/src/ini.c)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -DINIH_REPOSITORY=${VORTHMERE_INIH_REPOSITORY}
                    -DINIH_DOWNLOAD_DIR=${download_dir} -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
            RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET TIMEOUT 90)
    endif()
    if(EXISTS ${download_dir}/src/ini.c)
        set(FETCHCONTENT_SOURCE_DIR_INIH ${download_dir}/src PARENT_SCOPE)
    else()
        set(inih_fetch_failure "the download from ${VORTHMERE_INIH_REPOSITORY} failed" PARENT_SCOPE)
    endif()
endfunction()

if(NOT VORTHMERE_INIH_KIND)
    set(inih_fetch_failure "downloading is off (VORTHMERE_FETCH_INIH)")
    if(NOT FETCHCONTENT_SOURCE_DIR_INIH AND VORTHMERE_FETCH_INIH)
        vorthmere_download_inih()
    endif()
    if(FETCHCONTENT_SOURCE_DIR_INIH AND NOT EXISTS "${FETCHCONTENT_SOURCE_DIR_INIH}/ini.c")
        message(FATAL_ERROR "FETCHCONTENT_SOURCE_DIR_INIH=${FETCHCONTENT_SOURCE_DIR_INIH} holds no inih "
                            "source (ini.c); give the folder of the r55 release")
    endif()
endif()

if(NOT VORTHMERE_INIH_KIND AND FETCHCONTENT_SOURCE_DIR_INIH)
    include(FetchContent)
    FetchContent_Declare(inih
        GIT_REPOSITORY ${VORTHMERE_INIH_REPOSITORY}
        GIT_TAG ${VORTHMERE_INIH_TAG}
        GIT_SHALLOW TRUE)
    # r55 has no CMake build of its own: this only makes the source available.
    FetchContent_MakeAvailable(inih)
    # inih's default options: no extra defines, so it parses as the packaged Linux library does.
    add_library(vorthmere_inih_static STATIC ${inih_SOURCE_DIR}/ini.c ${inih_SOURCE_DIR}/cpp/INIReader.cpp)
    target_include_directories(vorthmere_inih_static PUBLIC ${inih_SOURCE_DIR} ${inih_SOURCE_DIR}/cpp)
    target_link_libraries(vorthmere_inih INTERFACE vorthmere_inih_static)
    set(VORTHMERE_INIH_KIND fetched)
    set(VORTHMERE_INIH_LICENSE "${inih_SOURCE_DIR}/LICENSE.txt")
    set(inih_where "inih ${VORTHMERE_INIH_TAG} built from ${inih_SOURCE_DIR}")
elseif(NOT VORTHMERE_INIH_KIND)
    add_library(vorthmere_inireader_double STATIC
        ${CMAKE_CURRENT_LIST_DIR}/../tools/windows_host/inireader_double/INIReader.cpp)
    target_include_directories(vorthmere_inireader_double PUBLIC
        ${CMAKE_CURRENT_LIST_DIR}/../tools/windows_host/inireader_double)
    vorthmere_warnings(vorthmere_inireader_double)
    target_link_libraries(vorthmere_inih INTERFACE vorthmere_inireader_double)
    set(VORTHMERE_INIH_KIND double)
    set(inih_where "NOT FOUND: none installed, no local r55 source (FETCHCONTENT_SOURCE_DIR_INIH) and "
                   "${inih_fetch_failure}: Vorthmere.asi links the INIReader test double and reads no "
                   "settings file")
endif()

if(VORTHMERE_INIH_KIND STREQUAL "installed")
    # The installed package's licence notice, where vcpkg and MSYS2 put it.
    find_file(VORTHMERE_INIH_LICENSE_FILE NAMES copyright LICENSE.txt LICENSE
              HINTS ${inih_prefix}/share/inih ${inih_prefix}/share/licenses/libinih
                    ${inih_prefix}/share/licenses/inih ${inih_prefix}/share/doc/inih
              PATH_SUFFIXES share/inih share/licenses/libinih share/licenses/inih share/doc/inih
              NO_CACHE)
    if(VORTHMERE_INIH_LICENSE_FILE)
        set(VORTHMERE_INIH_LICENSE "${VORTHMERE_INIH_LICENSE_FILE}")
    endif()
endif()
# Without inih's own notice, the same licence text as Debian ships it with libinih-dev.
if(NOT VORTHMERE_INIH_LICENSE AND EXISTS /usr/share/doc/libinih-dev/copyright)
    set(VORTHMERE_INIH_LICENSE /usr/share/doc/libinih-dev/copyright)
endif()
if(VORTHMERE_INIH_LICENSE)
    set(inih_licence "licence notice from ${VORTHMERE_INIH_LICENSE}")
else()
    set(inih_licence "no licence notice found, so the package target fails")
endif()
string(JOIN "" inih_where ${inih_where})
message(STATUS "inih for Windows: ${inih_where}; ${inih_licence}")
