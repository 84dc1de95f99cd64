// The few things that differ between the Windows plug-in and the Linux build that our
// tests load: the module handle type, the tick counter and the working folder.
#pragma once

#include <cstdint>

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#ifdef _WIN32
using ModuleHandle = HINSTANCE;
#else
using ModuleHandle = void*;
// On Linux the process that loads the plug-in supplies the tick counter, as Windows does.
extern "C" uint32_t GetTickCount();
#endif

// Milliseconds since the system started; wraps every 49.7 days.
inline uint32_t tickCount() { return static_cast<uint32_t>(GetTickCount()); }

#ifdef _WIN32
constexpr char pathSeparator = '\\';
#else
constexpr char pathSeparator = '/';
#endif

// The process's working folder (the game folder, where the settings file and the log sit), or
// nullptr when it does not fit the buffer.
inline const char* workingFolder(char* buffer, int size) {
#ifdef _WIN32
    return _getcwd(buffer, size);
#else
    return getcwd(buffer, static_cast<size_t>(size));
#endif
}
