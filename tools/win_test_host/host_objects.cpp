#include "tools/win_test_host/host_objects.h"

#include "tools/win_test_host/host_failure.h"

bool language_host::is_japanese_ui(std::int32_t) {
    ++asked_;
    if (record_ != nullptr && *record_ != untouched_) record_untouched_ = false;
    return japanese_;
}

void failing_stream::read_line(const char** line, std::int32_t reserved) {
    if (++reads_ == failing_read_) raise_host_failure();
    lines_.read_line(line, reserved);
}

void failing_scene::count_call() {
    if (++calls_ == failing_call_) raise_host_failure();
}

void failing_scene::open_creation(std::int32_t reserved) {
    count_call();
    recorded_.open_creation(reserved);
}

void failing_scene::open_part(const char* name, std::int32_t reserved) {
    count_call();
    recorded_.open_part(name, reserved);
}

void failing_scene::open_line(const char* shape_name, std::int32_t reserved1, std::int32_t reserved2) {
    count_call();
    recorded_.open_line(shape_name, reserved1, reserved2);
}

void failing_scene::add_line_point(const vec3* position, std::int32_t reserved1, std::int32_t reserved2,
                                   std::int32_t reserved3, std::int32_t reserved4, std::int32_t reserved5) {
    count_call();
    recorded_.add_line_point(position, reserved1, reserved2, reserved3, reserved4, reserved5);
}

void failing_scene::close_line(std::int32_t reserved) {
    count_call();
    recorded_.close_line(reserved);
}

void failing_scene::close_part(std::int32_t reserved) {
    count_call();
    recorded_.close_part(reserved);
}

void failing_scene::close_creation(std::int32_t reserved) {
    count_call();
    recorded_.close_creation(reserved);
}
