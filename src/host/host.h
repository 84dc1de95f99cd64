// The eight functions the script-hook host exports to the plug-in. On Windows they are
// imported from ScriptHookRDR2.dll under the host's decorated names (the import library
// maps these plain names onto them); on Linux the process that loads the plug-in defines them.
#pragma once

#include "host/platform.h"

#include <cstdint>

using ScriptEntry = void (*)();
using KeyboardHandler = void (*)(uint32_t virtualKey, uint16_t repeatCount, uint8_t scanCode,
                                 int32_t extended, int32_t altDown, int32_t wasDown, int32_t keyUp);

extern "C" {
void scriptRegister(ModuleHandle module, ScriptEntry entry);
void scriptUnregister(ModuleHandle module);
void keyboardHandlerRegister(KeyboardHandler handler);
void keyboardHandlerUnregister(KeyboardHandler handler);
// The only point at which the script context gives control back to the host.
void scriptWait(uint32_t milliseconds);
void nativeInit(uint64_t hash);
void nativePush64(uint64_t value);
uint64_t* nativeCall();
}
