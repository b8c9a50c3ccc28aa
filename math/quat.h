#pragma once
// quat: a rotation as a quaternion (w, x, y, z), scalar first in memory.
//
// Convention: the turn by theta about the unit axis n is
//   (cos(theta/2), -sin(theta/2) * n)
// with a minus sign on the vector part, matching the row-vector matrices of the
// library (v' = v * M). The product p * r composes p's rotation first, then r's.
// A quaternion and its negation describe the same rotation.

#include "math/vec3.h"

struct mat4;
struct float4;

struct quat {
    float w, x, y, z;

    // w is the quiet NaN, the vector part zero: an unset rotation that is not equal
    // to itself, yet is not the undefined value.
    constexpr quat() : w(std::numeric_limits<float>::quiet_NaN()), x(0.0f), y(0.0f), z(0.0f) {}
    constexpr quat(float w_, float x_, float y_, float z_) : w(w_), x(x_), y(y_), z(z_) {}
    constexpr explicit quat(float w_) : w(w_), x(0.0f), y(0.0f), z(0.0f) {}
    constexpr quat(float w_, const vec3& v) : w(w_), x(v.x), y(v.y), z(v.z) {}

    // All four components hold the undefined value.
    static constexpr quat undefined() {
        return {undefined_value, undefined_value, undefined_value, undefined_value};
    }

    // The multiplicative inverse, not normalised: the conjugate for a unit quaternion.
    // No guard for the zero quaternion (its inverse is NaN).
    constexpr quat inverse() const {
        const float sq = w * w + ((x * x + y * y) + z * z);
        const float r = 1.0f / sq;
        return {w / sq, -x * r, -y * r, -z * r};
    }

    constexpr quat& operator*=(float k) {
        w *= k;
        x *= k;
        y *= k;
        z *= k;
        return *this;
    }
    // A true division per component.
    constexpr quat& operator/=(float k) {
        w /= k;
        x /= k;
        y /= k;
        z /= k;
        return *this;
    }
    constexpr quat& operator+=(const quat& r) {
        w += r.w;
        x += r.x;
        y += r.y;
        z += r.z;
        return *this;
    }
    constexpr quat& operator-=(const quat& r) {
        w -= r.w;
        x -= r.x;
        y -= r.y;
        z -= r.z;
        return *this;
    }
    inline quat& operator*=(const quat& r);
    inline quat& operator/=(const quat& r);

    // Euler angles (about x, then y, then z) of this rotation, through its matrix and
    // the matrix decomposition. Always returns true.
    bool to_euler(vec3& angles) const;
    // The same angles in x, y, z of a float4; its w is left unset.
    float4 to_euler_float4() const;
    // The point (0, 0, -distance) turned by this rotation.
    vec3 forward_point(float distance) const;
    // Replaces this rotation by this rotation followed by the rotation part of m,
    // with the rows of the product re-orthogonalised first.
    void rotate_by(const mat4& m);
};

constexpr quat operator*(const quat& q, float k) { return quat(q) *= k; }
constexpr quat operator/(const quat& q, float k) { return quat(q) /= k; }
constexpr quat operator+(const quat& p, const quat& r) { return quat(p) += r; }
constexpr quat operator-(const quat& p, const quat& r) { return quat(p) -= r; }
constexpr quat operator-(const quat& q) { return q * -1.0f; }

// Compares the components as floats: a NaN component makes quaternions unequal, and
// +0 equals -0.
constexpr bool operator==(const quat& p, const quat& r) {
    return p.w == r.w && p.x == r.x && p.y == r.y && p.z == r.z;
}
constexpr bool operator!=(const quat& p, const quat& r) { return !(p == r); }

constexpr bool is_defined(const quat& q) {
    return is_defined(q.x) && is_defined(q.y) && is_defined(q.z) && is_defined(q.w);
}

// Unit-length copy; the zero quaternion gives NaN components.
inline quat normalized(const quat& q) {
    const float s = ((q.w * q.w + q.x * q.x) + q.y * q.y) + q.z * q.z;
    const float k = 1.0f / scalar::sqrt(s);
    return q * k;
}

// The normalised Hamilton product: the rotation p followed by the rotation r.
inline quat operator*(const quat& p, const quat& r) {
    const vec3 pv(p.x, p.y, p.z);
    const vec3 rv(r.x, r.y, r.z);
    const float w = p.w * r.w - dot(pv, rv);
    const vec3 v = (rv * p.w + pv * r.w) + cross(pv, rv);
    return normalized(quat(w, v));
}

// p followed by the inverse of r, normalised.
inline quat operator/(const quat& p, const quat& r) { return normalized(p * r.inverse()); }

inline quat& quat::operator*=(const quat& r) { return *this = *this * r; }
inline quat& quat::operator/=(const quat& r) { return *this = *this / r; }
