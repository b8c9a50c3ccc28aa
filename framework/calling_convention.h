#pragma once
// Calling conventions of the 32-bit Windows host.
//
// On i686 the host calls member functions with thiscall (object in ECX, callee pops
// its arguments) and COM's IUnknown operations and the exports with stdcall (callee
// pops). Spelling the attribute out keeps the contract visible even though MinGW
// already defaults member functions to thiscall. On other targets (the native build
// of the tests and tools) there is one convention and the markers expand to nothing.
// Attributes cannot be produced by a constexpr or a template, hence the macros.
#if defined(__i386__)
#define TERRAIN_THISCALL __attribute__((thiscall))
#define TERRAIN_STDCALL __attribute__((stdcall))
#else
#define TERRAIN_THISCALL
#define TERRAIN_STDCALL
#endif
