// The few things that differ between the Windows plug-in and the Linux build that our
// tests load: the module handle type, the tick counter and locale-independent number parsing.
#pragma once

#include <cstdint>

#ifdef _WIN32
#include <locale.h>
#include <stdlib.h>
#include <windows.h>
#else
#include <clocale>
#include <cstdlib>
#include <locale.h>
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

// strtod with "." as the decimal point whatever locale the game process runs in.
inline double strtodClassic(const char* text, char** end) {
#ifdef _WIN32
    static const _locale_t classic = _create_locale(LC_NUMERIC, "C");
    return _strtod_l(text, end, classic);
#else
    static const locale_t classic = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    return strtod_l(text, end, classic);
#endif
}
