#include "shell/dll_main.h"

#include "host/host.h"
#include "input/key_state.h"
#include "shell/script_entry.h"

namespace {
// Called with the loader lock held: only the two host calls of the reason, no waiting.
void registerWithHost(ModuleHandle instance) {
    scriptRegister(instance, scriptEntry);
    keyboardHandlerRegister(keyMessageHandler);
}

void unregisterFromHost(ModuleHandle instance) {
    scriptUnregister(instance);
    keyboardHandlerUnregister(keyMessageHandler);
}

int32_t onLibraryEvent(ModuleHandle instance, uint32_t reason) {
    if (reason == processAttachReason) registerWithHost(instance);
    if (reason == processDetachReason) unregisterFromHost(instance);
    return 1; // the plug-in never refuses to load
}
} // namespace

#ifdef _WIN32
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    return onLibraryEvent(instance, static_cast<uint32_t>(reason));
}
#else
extern "C" int32_t DllMain(void* instance, uint32_t reason, void*) {
    return onLibraryEvent(instance, reason);
}
#endif
