#pragma once

// Three single-precision components x, y, z in this memory order. The layout is part
// of the host interface: the importer hands the host a pointer to one per point.
struct vec3 {
    float x, y, z;

    vec3() = default;  // components unset
    constexpr vec3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
};
