#pragma once
// vec3: three floats; positions, directions, scale factors, Euler angles, RGB colours.

#include "math/scalar.h"

// Three single-precision components x, y, z in this memory order. The layout is part
// of the host interface: the importer hands the host a pointer to one per point.
struct vec3 {
    float x, y, z;

    vec3() = default;  // components unset
    constexpr vec3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

    // 0 is x, 1 is y, 2 is z; no range test.
    constexpr float& operator[](int i) { return i == 0 ? x : i == 1 ? y : z; }
    constexpr const float& operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }

    constexpr vec3& operator*=(float k) {
        x *= k;
        y *= k;
        z *= k;
        return *this;
    }
    // One reciprocal, then three multiplications.
    constexpr vec3& operator/=(float k) { return *this *= 1.0f / k; }

    // The right-handed cross product *this x b.
    constexpr vec3 cross(const vec3& b) const;
};

constexpr vec3 operator-(const vec3& a) { return {-a.x, -a.y, -a.z}; }
constexpr vec3 operator+(const vec3& a, const vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
constexpr vec3 operator-(const vec3& a, const vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
constexpr vec3 operator*(const vec3& a, float k) { return {k * a.x, k * a.y, k * a.z}; }
// Multiplication by the float reciprocal of k, not three divisions.
constexpr vec3 operator/(const vec3& a, float k) { return a * (1.0f / k); }

// Right-handed: cross((1, 0, 0), (0, 1, 0)) is (0, 0, 1).
constexpr vec3 cross(const vec3& a, const vec3& b) {
    vec3 r;
    r.z = a.x * b.y - a.y * b.x;
    r.y = a.z * b.x - a.x * b.z;
    r.x = a.y * b.z - a.z * b.y;
    return r;
}
constexpr vec3 vec3::cross(const vec3& b) const { return ::cross(*this, b); }

constexpr float dot(const vec3& a, const vec3& b) { return (a.x * b.x + a.y * b.y) + a.z * b.z; }

inline float length(const vec3& a) { return scalar::sqrt((a.x * a.x + a.y * a.y) + a.z * a.z); }

constexpr bool is_defined(const vec3& a) {
    return is_defined(a.x) && is_defined(a.y) && is_defined(a.z);
}

namespace detail {
// For finite components whose squared length overflows a float: the length in
// double, and the components divided by it, so that such a vector still becomes
// unit length. Returns the length rounded to float (infinite only when the true
// length itself exceeds the float range).
inline float normalize_in_double(float& x, float& y, float& z) {
    const double dx = x, dy = y, dz = z;
    const double len = std::sqrt((dx * dx + dy * dy) + dz * dz);
    x = static_cast<float>(dx / len);
    y = static_cast<float>(dy / len);
    z = static_cast<float>(dz / len);
    return static_cast<float>(len);
}

constexpr bool overflowed_length(float len, float x, float y, float z) {
    return len == std::numeric_limits<float>::infinity() && is_finite(x) && is_finite(y) &&
           is_finite(z);
}
}  // namespace detail

// Makes a unit length in place and returns its former length. Returns 0 and leaves
// a unchanged when it has no usable length: zero, NaN, or so small that the
// reciprocal of its length overflows.
inline float normalize(vec3& a) {
    const float len = length(a);
    if (!is_defined(len)) return 0.0f;
    if (!(len < 0.0f) && !(len > 0.0f)) return 0.0f;
    if (detail::overflowed_length(len, a.x, a.y, a.z)) return detail::normalize_in_double(a.x, a.y, a.z);
    const float r = 1.0f / len;
    if (!is_finite(r)) return 0.0f;
    a *= r;
    return len;
}

// A unit-length copy of a, or a itself when its length is not above 0. Unlike
// normalize there is no finiteness test: a length whose reciprocal overflows gives
// infinite or NaN components.
inline vec3 normalized(const vec3& a) {
    const float len = length(a);
    if (!(len > 0.0f)) return a;
    if (detail::overflowed_length(len, a.x, a.y, a.z)) {
        vec3 r = a;
        detail::normalize_in_double(r.x, r.y, r.z);
        return r;
    }
    return a / len;
}
