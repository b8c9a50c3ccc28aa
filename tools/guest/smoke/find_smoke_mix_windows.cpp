#include "tools/guest/smoke/smoke_mix.h"

#include <windows.h>

#include <cstdio>

smoke_mix_function find_smoke_mix() {
    HMODULE library = LoadLibraryA("guest_smoke.dll");
    if (library == nullptr) {
        std::fprintf(stderr, "LoadLibrary(guest_smoke.dll) failed: error %lu\n", GetLastError());
        return nullptr;
    }
    FARPROC found = GetProcAddress(library, "_smoke_mix@12");
    if (found == nullptr) {
        std::fprintf(stderr, "GetProcAddress(_smoke_mix@12) failed: error %lu\n", GetLastError());
        return nullptr;
    }
    return reinterpret_cast<smoke_mix_function>(reinterpret_cast<void*>(found));
}
