// The library's entry point: registers with the host on process attach and unregisters on
// detach. It does nothing else, and the cameras are left alone on detach.
#pragma once

#include "host/platform.h"

#include <cstdint>

constexpr uint32_t processDetachReason = 0;
constexpr uint32_t processAttachReason = 1;

#ifdef _WIN32
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);
#else
extern "C" __attribute__((visibility("default"))) int32_t DllMain(void* instance, uint32_t reason,
                                                                  void* reserved);
#endif
