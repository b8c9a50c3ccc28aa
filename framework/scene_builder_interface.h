#pragma once
#include "framework/calling_convention.h"
#include "math/vec3.h"

#include <cstdint>

// The host's scene object, first argument of do_import; it creates the shapes.
// Binary contract with the 32-bit host: the table order below is the host's,
// every operation is thiscall with 32-bit arguments, and the results are ignored.
// No virtual destructor (MinGW would give it two table slots, the host's compiler one).
// Any operation may fail by throwing; the import then ends with no further call.
struct scene_builder_interface {
    virtual void TERRAIN_THISCALL open_creation(std::int32_t reserved) = 0;
    // The host copies the name.
    virtual void TERRAIN_THISCALL open_part(const char* name, std::int32_t reserved) = 0;
    virtual void TERRAIN_THISCALL open_line(const char* shape_name, std::int32_t reserved1,
                                            std::int32_t reserved2) = 0;
    // The host copies the position; one vec3 is reused for every point.
    virtual void TERRAIN_THISCALL add_line_point(const vec3* position, std::int32_t reserved1,
                                                 std::int32_t reserved2, std::int32_t reserved3,
                                                 std::int32_t reserved4, std::int32_t reserved5) = 0;
    virtual void TERRAIN_THISCALL close_line(std::int32_t reserved) = 0;
    virtual void TERRAIN_THISCALL close_part(std::int32_t reserved) = 0;
    virtual void TERRAIN_THISCALL close_creation(std::int32_t reserved) = 0;

protected:
    ~scene_builder_interface() = default;
};
