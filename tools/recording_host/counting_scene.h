#pragma once
#include "framework/scene_builder_interface.h"

// A scene builder that only counts what it receives and keeps a running checksum of
// the positions, for benchmarks and allocation checks: it allocates nothing.
class counting_scene final : public scene_builder_interface {
public:
    long calls = 0;
    long lines = 0;
    long points = 0;
    double coordinate_sum = 0;

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
        coordinate_sum += static_cast<double>(p->x) + p->y + p->z;
    }
    void TERRAIN_THISCALL close_line(std::int32_t) override { ++calls; }
    void TERRAIN_THISCALL close_part(std::int32_t) override { ++calls; }
    void TERRAIN_THISCALL close_creation(std::int32_t) override { ++calls; }
};
