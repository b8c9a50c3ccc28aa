#pragma once
// vec4: four floats x, y, z, w; a row of mat4 and an RGBA colour (alpha in w).

#include "math/scalar.h"

struct vec4 {
    float x, y, z, w;

    vec4() = default;  // components unset
    constexpr vec4(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}

    // 0 is x, 1 is y, 2 is z, 3 is w; no range test.
    constexpr float& operator[](int i) { return i == 0 ? x : i == 1 ? y : i == 2 ? z : w; }
    constexpr const float& operator[](int i) const {
        return i == 0 ? x : i == 1 ? y : i == 2 ? z : w;
    }
};

constexpr bool is_defined(const vec4& v) {
    return is_defined(v.x) && is_defined(v.y) && is_defined(v.z) && is_defined(v.w);
}
