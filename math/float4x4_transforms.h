#pragma once
// Builders of float4x4 transforms, the counterparts of transforms.h. Only x, y and z
// of their float4 arguments are read.

#include "math/float4.h"
#include "math/float4x4.h"

// Identity with row 3 = (v.x, v.y, v.z, 1).
constexpr float4x4 translation(const float4& v) {
    float4x4 m = float4x4_identity;
    m.rows[3] = with_w(v, 1.0f);
    return m;
}

// Diagonal (v.x, v.y, v.z, 1).
constexpr float4x4 scaling(const float4& v) {
    float4x4 m = float4x4_identity;
    m(0, 0) = v.x;
    m(1, 1) = v.y;
    m(2, 2) = v.z;
    return m;
}

// Uniform scaling of x, y and z by k. A float4x4 cannot share the name scaling(float)
// with the mat4 builder of the same argument, so this form carries the type name.
constexpr float4x4 float4x4_scaling(float k) {
    float4x4 m = float4x4_identity;
    m(0, 0) = k;
    m(1, 1) = k;
    m(2, 2) = k;
    return m;
}

// translation(-centre) * scaling(s) * translation(centre): centre stays fixed.
constexpr float4x4 scaling_about(const float4& centre, const float4& s) {
    return translation(-centre) * scaling(s) * translation(centre);
}

// (x, y, z) becomes (x + y v.z + z v.y, y + z v.x, z): the shear values in the order
// that decompose reports them.
constexpr float4x4 shearing(const float4& v) {
    float4x4 m = float4x4_identity;
    m(2, 1) = v.x;
    m(2, 0) = v.y;
    m(1, 0) = v.z;
    return m;
}

// Rx(e.x) * Ry(e.y) * Rz(e.z), multiplied left to right.
float4x4 rotation_from_euler(const float4& e);
