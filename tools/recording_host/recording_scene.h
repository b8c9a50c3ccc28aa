#pragma once
#include "framework/scene_builder_interface.h"
#include "tools/recording_host/scene_call.h"

#include <stdexcept>
#include <vector>

// Thrown by the test hosts to make one of their operations fail.
struct host_failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A scene builder that records every call it receives, in order. It can be told to
// fail one call (by throwing host_failure) so that tests see what an importer does
// when the host refuses an operation.
class recording_scene final : public scene_builder_interface {
public:
    // Call number `call_number` (counting from 1) throws instead of being recorded;
    // 0 means no call fails.
    void fail_at_call(int call_number) { failing_call_ = call_number; }

    const std::vector<scene_call>& calls() const { return calls_; }

    void TERRAIN_THISCALL open_creation(std::int32_t) override;
    void TERRAIN_THISCALL open_part(const char* name, std::int32_t) override;
    void TERRAIN_THISCALL open_line(const char* shape_name, std::int32_t, std::int32_t) override;
    void TERRAIN_THISCALL add_line_point(const vec3* position, std::int32_t, std::int32_t, std::int32_t,
                                         std::int32_t, std::int32_t) override;
    void TERRAIN_THISCALL close_line(std::int32_t) override;
    void TERRAIN_THISCALL close_part(std::int32_t) override;
    void TERRAIN_THISCALL close_creation(std::int32_t) override;

private:
    void record(scene_call call);

    std::vector<scene_call> calls_;
    int failing_call_ = 0;
    int calls_seen_ = 0;
};
