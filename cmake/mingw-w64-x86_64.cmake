# Cross build for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64-win32).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VORTHMERE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VORTHMERE_MINGW_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${VORTHMERE_MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${VORTHMERE_MINGW_TRIPLE}-windres)
set(CMAKE_DLLTOOL ${VORTHMERE_MINGW_TRIPLE}-dlltool)
set(CMAKE_OBJDUMP ${VORTHMERE_MINGW_TRIPLE}-objdump)
set(CMAKE_OBJCOPY ${VORTHMERE_MINGW_TRIPLE}-objcopy)

# Libraries and packages come from the MinGW sysroot only, never from the Linux system.
set(CMAKE_FIND_ROOT_PATH /usr/${VORTHMERE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config, too, looks only into the sysroot, so the Linux .pc files are never taken.
if(NOT DEFINED ENV{PKG_CONFIG_LIBDIR})
    set(ENV{PKG_CONFIG_LIBDIR} "/usr/${VORTHMERE_MINGW_TRIPLE}/lib/pkgconfig")
endif()
