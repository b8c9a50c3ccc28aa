#include "tools/terrain_import/capturing_scene.h"

#include <string>

capturing_scene::capturing_scene(std::size_t expected_points) { terrain_.points.reserve(expected_points); }

bool capturing_scene::expect(state required, const char* operation) {
    if (!terrain_.call_order_fault.empty()) return false;
    if (state_ == required) return true;
    terrain_.call_order_fault = std::string(operation) + " called out of order";
    return false;
}

void capturing_scene::open_creation(std::int32_t) {
    if (!expect(state::before_creation, "open_creation")) return;
    terrain_.creation_opened = true;
    state_ = state::in_creation;
}

void capturing_scene::open_part(const char* name, std::int32_t) {
    if (!expect(state::in_creation, "open_part")) return;
    if (name == nullptr) {
        terrain_.call_order_fault = "open_part called without a name";
        return;
    }
    terrain_.parts.push_back({name, terrain_.lines.size(), 0, false});
    state_ = state::in_part;
}

void capturing_scene::open_line(const char* shape_name, std::int32_t, std::int32_t) {
    if (!expect(state::in_part, "open_line")) return;
    terrain_.lines.push_back({shape_name ? shape_name : "", terrain_.points.size(), 0, false});
    ++terrain_.parts.back().line_count;
    state_ = state::in_line;
}

void capturing_scene::add_line_point(const vec3* position, std::int32_t, std::int32_t, std::int32_t,
                                     std::int32_t, std::int32_t) {
    if (!expect(state::in_line, "add_line_point")) return;
    if (position == nullptr) {
        terrain_.call_order_fault = "add_line_point called without a position";
        return;
    }
    terrain_.points.push_back(*position);
    ++terrain_.lines.back().point_count;
}

void capturing_scene::close_line(std::int32_t) {
    if (!expect(state::in_line, "close_line")) return;
    terrain_.lines.back().closed = true;
    state_ = state::in_part;
}

void capturing_scene::close_part(std::int32_t) {
    if (!expect(state::in_part, "close_part")) return;
    terrain_.parts.back().closed = true;
    state_ = state::in_creation;
}

void capturing_scene::close_creation(std::int32_t) {
    if (!expect(state::in_creation, "close_creation")) return;
    terrain_.creation_closed = true;
    state_ = state::after_creation;
}
