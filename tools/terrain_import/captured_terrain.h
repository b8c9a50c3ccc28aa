#pragma once
#include "math/vec3.h"

#include <cstddef>
#include <string>
#include <vector>

// What one import created in the scene: parts holding line shapes holding points,
// in the order the importer created them, and which of them it closed again.
struct captured_line {
    std::string shape_name;  // the bytes passed to open_line
    std::size_t first_point = 0;
    std::size_t point_count = 0;
    bool closed = false;
};

struct captured_part {
    std::string name;  // the bytes passed to open_part (Shift_JIS), untrimmed
    std::size_t first_line = 0;
    std::size_t line_count = 0;
    bool closed = false;
};

struct captured_terrain {
    bool creation_opened = false;
    bool creation_closed = false;
    std::vector<captured_part> parts;
    std::vector<captured_line> lines;
    std::vector<vec3> points;
    // Empty while every call came in an order a host accepts; otherwise the first
    // call out of order (it and every later call are not captured).
    std::string call_order_fault;

    const vec3* line_points(const captured_line& line) const { return points.data() + line.first_point; }
};
