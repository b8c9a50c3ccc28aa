#include "framework/guarded_host_objects.h"

#include "framework/host_call_guard.h"

void guarded_scene::open_creation(std::int32_t reserved) {
    call_host([&] { host_.open_creation(reserved); });
}

void guarded_scene::open_part(const char* name, std::int32_t reserved) {
    call_host([&] { host_.open_part(name, reserved); });
}

void guarded_scene::open_line(const char* shape_name, std::int32_t reserved1, std::int32_t reserved2) {
    call_host([&] { host_.open_line(shape_name, reserved1, reserved2); });
}

void guarded_scene::add_line_point(const vec3* position, std::int32_t reserved1, std::int32_t reserved2,
                                   std::int32_t reserved3, std::int32_t reserved4, std::int32_t reserved5) {
    call_host([&] { host_.add_line_point(position, reserved1, reserved2, reserved3, reserved4, reserved5); });
}

void guarded_scene::close_line(std::int32_t reserved) {
    call_host([&] { host_.close_line(reserved); });
}

void guarded_scene::close_part(std::int32_t reserved) {
    call_host([&] { host_.close_part(reserved); });
}

void guarded_scene::close_creation(std::int32_t reserved) {
    call_host([&] { host_.close_creation(reserved); });
}

void guarded_stream::read_line(const char** line, std::int32_t reserved) {
    call_host([&] { host_.read_line(line, reserved); });
}

const char* guarded_stream::get_file_path() {
    const char* path = nullptr;
    call_host([&] { path = host_.get_file_path(); });
    return path;
}
