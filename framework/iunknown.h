#pragma once
#include "framework/calling_convention.h"
#include "framework/interface_id.h"

#include <cstdint>

// The platform's 32-bit result code.
using hresult = std::int32_t;

// QueryInterface's answer when the object does not hand out the asked interface.
inline constexpr hresult e_nointerface = static_cast<hresult>(0x80004002u);

// The root of every component the host talks to. Binary contract: these three
// operations are the first three entries of the virtual table, stdcall with the object
// as the first stack argument (not thiscall like every later operation). No virtual
// destructor: see unknown_interface.
struct IUnknown {
    virtual hresult TERRAIN_STDCALL QueryInterface(const interface_id* id, void** object) = 0;
    virtual std::uint32_t TERRAIN_STDCALL AddRef() = 0;
    virtual std::uint32_t TERRAIN_STDCALL Release() = 0;

protected:
    IUnknown() = default;
    ~IUnknown() = default;
};
