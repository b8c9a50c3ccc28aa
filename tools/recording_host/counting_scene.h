#pragma once
#include "framework/scene_builder_interface.h"

#include <bit>
#include <cstdint>

// A scene builder that only counts what it receives and keeps a checksum of the
// positions' bits, for benchmarks and allocation checks: it allocates nothing, and its
// integer checksum adds no floating-point latency chain to what is measured.
class counting_scene final : public scene_builder_interface {
public:
    long calls = 0;
    long lines = 0;
    long points = 0;
    std::uint32_t checksum = 0;

    void TERRAIN_THISCALL open_creation(std::int32_t) override { ++calls; }
    void TERRAIN_THISCALL open_part(const char*, std::int32_t) override { ++calls; }
    void TERRAIN_THISCALL open_line(const char*, std::int32_t, std::int32_t) override {
        ++calls;
        ++lines;
    }
    void TERRAIN_THISCALL add_line_point(const vec3* p, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                         std::int32_t) override {
        ++calls;
        ++points;
        checksum += std::bit_cast<std::uint32_t>(p->x) ^ std::bit_cast<std::uint32_t>(p->y) ^
                    std::bit_cast<std::uint32_t>(p->z);
    }
    void TERRAIN_THISCALL close_line(std::int32_t) override { ++calls; }
    void TERRAIN_THISCALL close_part(std::int32_t) override { ++calls; }
    void TERRAIN_THISCALL close_creation(std::int32_t) override { ++calls; }
};
