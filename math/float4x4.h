#pragma once
// float4x4: the second 4x4 matrix form, four float4 rows with the memory layout of
// mat4 (16 floats, row by row). Row vectors as for mat4: p' = p * M, translation in
// row 3, A * B applies A first. Decomposition and inverse are those of mat4 applied
// to the same sixteen elements.

#include "math/float4.h"
#include "math/mat4.h"
#include "math/quat.h"

struct float4x4 {
    float4 rows[4];

    float4x4() = default;  // elements unset
    // Row by row: m(0, 0), m(0, 1), ... m(3, 3).
    constexpr float4x4(float m00, float m01, float m02, float m03, float m10, float m11, float m12,
                       float m13, float m20, float m21, float m22, float m23, float m30, float m31,
                       float m32, float m33)
        : rows{{m00, m01, m02, m03}, {m10, m11, m12, m13}, {m20, m21, m22, m23}, {m30, m31, m32, m33}} {}

    // The rotation matrix of q. Unlike the mat4 form, rows 0 to 2 are divided by the
    // squared length in all four elements, so the zero quaternion makes all twelve NaN.
    constexpr explicit float4x4(const quat& q);

    // Element (i, j): row i, column j. No range test.
    constexpr float& operator()(int i, int j) { return element(rows[i], j); }
    constexpr const float& operator()(int i, int j) const { return element(rows[i], j); }

    // The mat4 with the same sixteen elements.
    constexpr explicit operator mat4() const {
        return {static_cast<vec4>(rows[0]), static_cast<vec4>(rows[1]), static_cast<vec4>(rows[2]),
                static_cast<vec4>(rows[3])};
    }

    // Multiplies all sixteen elements, (3, 3) included, by the float 1/m(3, 3), so
    // (3, 3) becomes 1 within rounding. A zero m(3, 3) gives infinite or NaN elements.
    constexpr float4x4& homogenize() {
        const float k = 1.0f / rows[3].w;
        for (float4& r : rows) r *= k;
        return *this;
    }

    // The decomposition of mat4::decompose on the same elements; each argument gets
    // its three values in x, y, z and keeps its w. Always true.
    bool decompose(float4& scale, float4& shear, float4& rotation, float4& translation) const;

private:
    static constexpr float& element(float4& r, int j) { return j == 0 ? r.x : j == 1 ? r.y : j == 2 ? r.z : r.w; }
    static constexpr const float& element(const float4& r, int j) {
        return j == 0 ? r.x : j == 1 ? r.y : j == 2 ? r.z : r.w;
    }
};

inline constexpr float4x4 float4x4_identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
inline constexpr float4x4 float4x4_zero{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// The float4x4 with the same sixteen elements as m.
constexpr float4x4 to_float4x4(const mat4& m) {
    return {m[0].x, m[0].y, m[0].z, m[0].w, m[1].x, m[1].y, m[1].z, m[1].w,
            m[2].x, m[2].y, m[2].z, m[2].w, m[3].x, m[3].y, m[3].z, m[3].w};
}

// The row vector v times m, component j summed as v.x m(0, j) + v.y m(1, j) +
// v.z m(2, j) + v.w m(3, j), left to right.
constexpr float4 operator*(const float4& v, const float4x4& m) {
    const float4& r0 = m.rows[0];
    const float4& r1 = m.rows[1];
    const float4& r2 = m.rows[2];
    const float4& r3 = m.rows[3];
    return {v.x * r0.x + v.y * r1.x + v.z * r2.x + v.w * r3.x,
            v.x * r0.y + v.y * r1.y + v.z * r2.y + v.w * r3.y,
            v.x * r0.z + v.y * r1.z + v.z * r2.z + v.w * r3.z,
            v.x * r0.w + v.y * r1.w + v.z * r2.w + v.w * r3.w};
}

// Row i of the product is row i of a times b. The rows are computed into a new
// value, so `a = a * b` is safe.
constexpr float4x4 operator*(const float4x4& a, const float4x4& b) {
    float4x4 r;
    for (int i = 0; i < 4; ++i) r.rows[i] = a.rows[i] * b;
    return r;
}

constexpr bool is_defined(const float4x4& m) {
    for (const float4& r : m.rows) {
        if (!is_defined(r.x) || !is_defined(r.y) || !is_defined(r.z) || !is_defined(r.w)) return false;
    }
    return true;
}

// The general inverse of mat4 on the same elements.
constexpr float4x4 inverse(const float4x4& m) { return to_float4x4(inverse(static_cast<mat4>(m))); }

constexpr float4x4::float4x4(const quat& q) : rows{} {
    const float w = q.w, x = q.x, y = q.y, z = q.z;
    const float ww = w * w, xx = x * x, yy = y * y, zz = z * z;
    const float n = ((ww + xx) + yy) + zz;
    rows[0] = float4((((ww + xx) - yy) - zz), (2.0f * x * y - 2.0f * w * z), (2.0f * x * z + 2.0f * w * y),
                     0.0f) / n;
    rows[1] = float4((2.0f * x * y + 2.0f * w * z), (((ww - xx) + yy) - zz), (2.0f * y * z - 2.0f * w * x),
                     0.0f) / n;
    rows[2] = float4((2.0f * x * z - 2.0f * w * y), (2.0f * y * z + 2.0f * w * x), (((ww - xx) - yy) + zz),
                     0.0f) / n;
    rows[3] = {0.0f, 0.0f, 0.0f, 1.0f};
}
