#pragma once
// vec2: two floats; a point in a plane, or the (angle, radius) pair of to_polar.

#include "math/scalar.h"

#include <cstdint>

// A rectangle of whole coordinates; left and top inclusive, right and bottom exclusive.
struct int_rect {
    std::int32_t left, top, right, bottom;
};

struct vec2 {
    float x, y;

    vec2() = default;  // components unset
    constexpr vec2(float x_, float y_) : x(x_), y(y_) {}

    // 0 is x, 1 is y; no range test.
    constexpr float& operator[](int i) { return i == 0 ? x : y; }
    constexpr const float& operator[](int i) const { return i == 0 ? x : y; }

    // r.left <= x < r.right and r.top <= y < r.bottom, the coordinates of r taken as
    // floats; a NaN coordinate is outside.
    constexpr bool is_in_rect(const int_rect& r) const {
        return static_cast<float>(r.left) <= x && x < static_cast<float>(r.right) &&
               static_cast<float>(r.top) <= y && y < static_cast<float>(r.bottom);
    }
};

inline float length(const vec2& p) { return scalar::sqrt(p.x * p.x + p.y * p.y); }

// (angle, radius) of p, the angle in radians in [0, 2pi); (0, 0) for the zero vector.
// The angle comes from acos or asin of the ratio whose magnitude is smaller, where
// those functions are accurate.
inline vec2 to_polar(const vec2& p) {
    const float radius = length(p);
    if (!(radius > 0.0f)) return {0.0f, 0.0f};
    float angle;
    if (scalar::fabs(p.y) > scalar::fabs(p.x)) {
        angle = scalar::acos(p.x / radius);
        if (p.y < 0.0f) angle = float_two_pi - angle;
    } else {
        angle = scalar::asin(p.y / radius);
        if (p.x < 0.0f) angle = float_pi - angle;
        if (angle < 0.0f) angle = angle + float_two_pi;
    }
    return {angle, radius};
}

constexpr bool is_defined(const vec2& p) { return is_defined(p.x) && is_defined(p.y); }
