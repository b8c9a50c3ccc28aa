#pragma once
#include "framework/calling_convention.h"

#include <cstdint>

// The host application object lent to the get_info and get_text_encoding exports.
// Binary contract with the 32-bit host: one virtual operation in the first table
// slot, thiscall, one 32-bit argument. No virtual destructor (MinGW would give it
// two table slots where the host's compiler gives one).
struct host_interface {
    // Always called with 0; true when the host runs with a Japanese user interface.
    virtual bool TERRAIN_THISCALL is_japanese_ui(std::int32_t reserved) = 0;

protected:
    ~host_interface() = default;
};
