// The C library's memcpy, memmove and memset copy byte by byte in this build; the module's bulk
// memory instructions do it at the engine's speed. These replace them for the whole module, the
// standard library included. Built with bulk memory on, each builtin below becomes one
// instruction, never a call back into itself.
#include <stddef.h>

void* memcpy(void* restrict to, const void* restrict from, size_t size) {
    __builtin_memcpy(to, from, size);
    return to;
}

void* memmove(void* to, const void* from, size_t size) {
    __builtin_memmove(to, from, size);
    return to;
}

void* memset(void* to, int value, size_t size) {
    __builtin_memset(to, value, size);
    return to;
}
