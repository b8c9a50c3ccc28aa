#pragma once
// float4: four floats x, y, z, w of the second matrix form. Used as a direction,
// point, Euler-angle triple, scale, shear or translation, only x, y and z carry the
// value and w is ignored on input, unless an operation says otherwise.

#include "math/scalar.h"
#include "math/vec3.h"
#include "math/vec4.h"

struct float4 {
    float x, y, z, w;

    float4() = default;  // components unset
    constexpr float4(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}

    // The vec4 with the same four components.
    constexpr explicit operator vec4() const { return {x, y, z, w}; }

    constexpr float4& operator*=(float k) {
        x *= k;
        y *= k;
        z *= k;
        w *= k;
        return *this;
    }
};

// All four components the float quiet NaN (not the undefined value).
inline constexpr float4 float4_nan{std::numeric_limits<float>::quiet_NaN(),
                                   std::numeric_limits<float>::quiet_NaN(),
                                   std::numeric_limits<float>::quiet_NaN(),
                                   std::numeric_limits<float>::quiet_NaN()};

// Component accessors.
constexpr float& x(float4& v) { return v.x; }
constexpr float& y(float4& v) { return v.y; }
constexpr float& z(float4& v) { return v.z; }
constexpr float& w(float4& v) { return v.w; }
constexpr const float& x(const float4& v) { return v.x; }
constexpr const float& y(const float4& v) { return v.y; }
constexpr const float& z(const float4& v) { return v.z; }
constexpr const float& w(const float4& v) { return v.w; }

constexpr float4 with_w(const float4& v, float w_) { return {v.x, v.y, v.z, w_}; }
constexpr float4 splat(float k) { return {k, k, k, k}; }

constexpr float4 operator*(const float4& v, float k) { return float4(v) *= k; }
// A true division per component.
constexpr float4 operator/(const float4& v, float k) { return {v.x / k, v.y / k, v.z / k, v.w / k}; }
constexpr float4 operator-(const float4& a, const float4& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z, a.w - b.w};
}
constexpr float4 operator-(const float4& a) { return {-a.x, -a.y, -a.z, -a.w}; }

// The cross product of the x, y, z parts; w is 0.
constexpr float4 cross(const float4& a, const float4& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x, 0.0f};
}
// x, y and z only.
constexpr float dot(const float4& a, const float4& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline float length(const float4& a) { return scalar::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

namespace detail {
// For finite x, y, z whose squared length overflows a float: scaled in double, as
// the vec3 form does.
inline float normalize_in_double(float4& a) {
    const double dx = a.x, dy = a.y, dz = a.z;
    const double len = std::sqrt((dx * dx + dy * dy) + dz * dz);
    a = {static_cast<float>(dx / len), static_cast<float>(dy / len), static_cast<float>(dz / len),
         static_cast<float>(a.w / len)};
    return static_cast<float>(len);
}
}  // namespace detail

// A copy scaled to unit length in x, y, z; w is scaled by the same factor. A vector
// whose length is not above 0 (zero or NaN) is returned unchanged.
inline float4 normalized(const float4& a) {
    const float len = length(a);
    if (!(len > 0.0f)) return a;
    float4 r = a;
    if (detail::overflowed_length(len, a.x, a.y, a.z)) {
        detail::normalize_in_double(r);
        return r;
    }
    return r *= 1.0f / len;
}

// Scales a in place as normalized does and returns its former length, in every case
// (0 for the zero vector, NaN for a NaN one).
inline float normalize(float4& a) {
    const float len = length(a);
    if (len > 0.0f) {
        if (detail::overflowed_length(len, a.x, a.y, a.z)) return detail::normalize_in_double(a);
        a *= 1.0f / len;
    }
    return len;
}
