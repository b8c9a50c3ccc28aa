#include "tools/recording_host/recording_scene.h"

#include <utility>

using operation = scene_call::operation;

void recording_scene::record(scene_call call) {
    ++calls_seen_;
    if (calls_seen_ == failing_call_) {
        throw host_failure("scene operation refused by the test host");
    }
    calls_.push_back(std::move(call));
}

void recording_scene::open_creation(std::int32_t) { record({operation::open_creation, {}}); }

void recording_scene::open_part(const char* name, std::int32_t) {
    record({operation::open_part, name ? name : ""});
}

void recording_scene::open_line(const char* shape_name, std::int32_t, std::int32_t) {
    record({operation::open_line, shape_name ? shape_name : ""});
}

void recording_scene::add_line_point(const vec3* position, std::int32_t, std::int32_t, std::int32_t,
                                     std::int32_t, std::int32_t) {
    record({operation::add_line_point, {}, *position});
}

void recording_scene::close_line(std::int32_t) { record({operation::close_line, {}}); }
void recording_scene::close_part(std::int32_t) { record({operation::close_part, {}}); }
void recording_scene::close_creation(std::int32_t) { record({operation::close_creation, {}}); }
