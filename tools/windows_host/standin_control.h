// The Windows stand-in ScriptHookRDR2.dll: the shared stand-in host (recording, responders,
// hand-off) behind the host's eight decorated exports, plus this plain C interface through
// which the runner drives it. Plain C, so nothing allocated on one side of the DLL boundary
// is freed on the other.
#pragma once

#include <cstdint>

#ifdef VORTHMERE_STANDIN_DLL
#define STANDIN_API extern "C" __declspec(dllexport)
#else
#define STANDIN_API extern "C" __declspec(dllimport)
#endif

// Results: every call of `hash` answers `value` in its first slot.
STANDIN_API void standinAnswerInt(uint64_t hash, int32_t value);
// Every call of `hash` answers first, first + 1, ... (camera handles).
STANDIN_API void standinAnswerCounting(uint64_t hash, int32_t first);
STANDIN_API void standinAnswerVector(uint64_t hash, float x, float y, float z);

// Registrations DllMain made: events in order (0 script, 1 script off, 2 keys, 3 keys off).
STANDIN_API uint32_t standinRegistrationCount();
STANDIN_API int32_t standinRegistrationEvent(uint32_t index);
STANDIN_API void* standinRegistrationPointer(uint32_t index);

// Starts the registered script entry; its first pass is the next standinRunPass. Called again,
// it starts the entry anew as a host restarts its scripts, and the old run never continues.
STANDIN_API void standinStartScript();
// Runs the script until its next scriptWait; the milliseconds it asked for.
STANDIN_API uint32_t standinRunPass();
STANDIN_API int32_t standinScriptReturned();
STANDIN_API void standinSendKey(uint32_t virtualKey, int32_t keyUp);

// The native call log.
STANDIN_API uint32_t standinCallCount();
STANDIN_API uint64_t standinCallHash(uint32_t index);
STANDIN_API uint32_t standinCallSlotCount(uint32_t index);
STANDIN_API uint64_t standinCallSlot(uint32_t index, uint32_t slot);
STANDIN_API uint32_t standinProtocolErrors();
