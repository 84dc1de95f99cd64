# inih's INIReader for the Windows plug-in, built into the DLL. In order of preference:
#   1. an installed inih for the target (vcpkg's unofficial-inih package, or pkg-config's
#      INIReader as MSYS2 provides it);
#   2. upstream inih at release r55 through FetchContent under the name "inih": from a local copy
#      with -DFETCHCONTENT_SOURCE_DIR_INIH=<folder>, or from the network with
#      -DVORTHMERE_FETCH_INIH=ON (off by default, so a machine without network never waits on it);
#   3. neither: a test double of INIReader that answers every lookup with its default, as a
#      missing Vorthmere.ini would. The build then still proves loader, imports, DllMain and the
#      native protocol under Wine; it says so here and in the test's output.
# Sets VORTHMERE_INIH_KIND (installed, fetched, double) and VORTHMERE_INIH_LICENSE (the licence
# notice that goes into the player's package).
option(VORTHMERE_FETCH_INIH "Download inih r55 from GitHub when no installed inih is found" OFF)
set(VORTHMERE_INIH_TAG r55)

add_library(vorthmere_inih INTERFACE)
set(VORTHMERE_INIH_KIND "")
set(VORTHMERE_INIH_LICENSE "")

find_package(unofficial-inih CONFIG QUIET)
if(unofficial-inih_FOUND)
    target_link_libraries(vorthmere_inih INTERFACE unofficial::inih::inireader)
    set(VORTHMERE_INIH_KIND installed)
    set(inih_where "vcpkg package unofficial-inih")
else()
    find_package(PkgConfig QUIET)
    if(PKG_CONFIG_FOUND)
        pkg_check_modules(VORTHMERE_WIN_INIREADER QUIET IMPORTED_TARGET INIReader)
    endif()
    if(VORTHMERE_WIN_INIREADER_FOUND)
        target_link_libraries(vorthmere_inih INTERFACE PkgConfig::VORTHMERE_WIN_INIREADER)
        target_link_options(vorthmere_inih INTERFACE -static)
        set(VORTHMERE_INIH_KIND installed)
        set(inih_where "pkg-config INIReader ${VORTHMERE_WIN_INIREADER_VERSION}")
    endif()
endif()

if(VORTHMERE_INIH_KIND STREQUAL "installed")
    # The installed package's licence notice, where packagers put it.
    find_file(VORTHMERE_INIH_LICENSE_FILE NAMES LICENSE.txt LICENSE copyright
              PATH_SUFFIXES share/licenses/inih share/inih share/doc/inih share/doc/libinih-dev
              NO_CACHE)
    if(VORTHMERE_INIH_LICENSE_FILE)
        set(VORTHMERE_INIH_LICENSE "${VORTHMERE_INIH_LICENSE_FILE}")
    endif()
elseif(FETCHCONTENT_SOURCE_DIR_INIH OR VORTHMERE_FETCH_INIH)
    include(FetchContent)
    FetchContent_Declare(inih
        GIT_REPOSITORY https://github.com/benhoyt/inih.git
        GIT_TAG ${VORTHMERE_INIH_TAG}
        GIT_SHALLOW TRUE)
    # r55 has no CMake build of its own: this only populates the source.
    FetchContent_MakeAvailable(inih)
    # inih's default options: no extra defines, so it behaves as the packaged Linux library does.
    add_library(vorthmere_inih_static STATIC ${inih_SOURCE_DIR}/ini.c ${inih_SOURCE_DIR}/cpp/INIReader.cpp)
    target_include_directories(vorthmere_inih_static PUBLIC ${inih_SOURCE_DIR} ${inih_SOURCE_DIR}/cpp)
    target_link_libraries(vorthmere_inih INTERFACE vorthmere_inih_static)
    set(VORTHMERE_INIH_KIND fetched)
    set(VORTHMERE_INIH_LICENSE "${inih_SOURCE_DIR}/LICENSE.txt")
    set(inih_where "inih ${VORTHMERE_INIH_TAG} source in ${inih_SOURCE_DIR}")
else()
    add_library(vorthmere_inireader_double STATIC
        ${CMAKE_CURRENT_LIST_DIR}/../tools/windows_host/inireader_double/INIReader.cpp)
    target_include_directories(vorthmere_inireader_double PUBLIC
        ${CMAKE_CURRENT_LIST_DIR}/../tools/windows_host/inireader_double)
    vorthmere_warnings(vorthmere_inireader_double)
    target_link_libraries(vorthmere_inih INTERFACE vorthmere_inireader_double)
    set(VORTHMERE_INIH_KIND double)
    set(inih_where "none installed and no r55 source (give -DFETCHCONTENT_SOURCE_DIR_INIH=<folder> or "
                   "-DVORTHMERE_FETCH_INIH=ON), so Vorthmere.asi links the INIReader test double and reads no settings file")
endif()

if(NOT VORTHMERE_INIH_LICENSE AND EXISTS /usr/share/doc/libinih-dev/copyright)
    set(VORTHMERE_INIH_LICENSE /usr/share/doc/libinih-dev/copyright)
endif()
string(JOIN "" inih_where ${inih_where})
message(STATUS "inih for Windows: ${inih_where}; licence notice from ${VORTHMERE_INIH_LICENSE}")
