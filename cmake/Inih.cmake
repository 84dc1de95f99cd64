# inih's INIReader, linked statically so the plug-in needs no library of its own beside it.
# Linux: Debian's libinih-dev (version 55), found through pkg-config.
if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/InihWindows.cmake)
    return()
endif()

find_package(PkgConfig REQUIRED)
pkg_check_modules(INIREADER REQUIRED INIReader=55)
find_library(VORTHMERE_INIREADER_ARCHIVE NAMES libINIReader.a HINTS ${INIREADER_LIBRARY_DIRS} REQUIRED)
find_library(VORTHMERE_INIH_ARCHIVE NAMES libinih.a HINTS ${INIREADER_LIBRARY_DIRS} REQUIRED)
add_library(vorthmere_inih INTERFACE)
target_include_directories(vorthmere_inih INTERFACE ${INIREADER_INCLUDE_DIRS})
target_link_libraries(vorthmere_inih INTERFACE ${VORTHMERE_INIREADER_ARCHIVE} ${VORTHMERE_INIH_ARCHIVE})
