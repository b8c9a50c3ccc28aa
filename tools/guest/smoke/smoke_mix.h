#pragma once
#include "framework/calling_convention.h"

#include <cstdint>

// The one export of the guest smoke-test DLL: a stdcall function with three 32-bit
// arguments, exported under its decorated name "_smoke_mix@12" as the plug-ins are.
// It mixes an integer, a float and a string so that a wrong argument order, size or
// calling convention shows in the result.
extern "C" float TERRAIN_STDCALL smoke_mix(std::int32_t count, float scale, const char* text);

using smoke_mix_function = float(TERRAIN_STDCALL*)(std::int32_t, float, const char*);

// Finds smoke_mix: through the Windows loader in the 32-bit build, directly natively.
// Returns null (after saying why on stderr) when it cannot be found.
smoke_mix_function find_smoke_mix();
