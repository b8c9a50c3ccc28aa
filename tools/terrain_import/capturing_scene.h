#pragma once
#include "framework/scene_builder_interface.h"
#include "tools/terrain_import/captured_terrain.h"

#include <cstddef>

// The tool's scene: keeps every part, line shape and point an importer creates, and
// checks that the calls come in the order a host relies on (creation, part, lines of
// points, then closing them in turn).
class capturing_scene final : public scene_builder_interface {
public:
    // Room for this many points without reallocating while the import runs.
    explicit capturing_scene(std::size_t expected_points = 0);

    const captured_terrain& terrain() const { return terrain_; }
    captured_terrain take_terrain() { return std::move(terrain_); }

    void TERRAIN_THISCALL open_creation(std::int32_t) override;
    void TERRAIN_THISCALL open_part(const char* name, std::int32_t) override;
    void TERRAIN_THISCALL open_line(const char* shape_name, std::int32_t, std::int32_t) override;
    void TERRAIN_THISCALL add_line_point(const vec3* position, std::int32_t, std::int32_t, std::int32_t,
                                         std::int32_t, std::int32_t) override;
    void TERRAIN_THISCALL close_line(std::int32_t) override;
    void TERRAIN_THISCALL close_part(std::int32_t) override;
    void TERRAIN_THISCALL close_creation(std::int32_t) override;

private:
    enum class state { before_creation, in_creation, in_part, in_line, after_creation };

    // False (and the fault noted) when the call may not come now.
    bool expect(state required, const char* operation);

    captured_terrain terrain_;
    state state_ = state::before_creation;
};
