#pragma once
// Interpolation of rotations and transforms by a parameter t: 0 gives the first end,
// 1 the second. Nothing here clamps t (other values extrapolate) or normalises.

#include "math/float4.h"
#include "math/float4x4.h"
#include "math/quat.h"

// Spherical interpolation along the shorter arc: r is negated when the two point
// into opposite half-spaces, so slerp(p, r, 1) is r or -r. The weights are computed
// in double; nearly equal rotations (1 - |p.r| <= 0.0002) are interpolated linearly.
inline quat slerp(const quat& p, const quat& r, float t) {
    double d = static_cast<double>(p.x) * r.x + static_cast<double>(p.y) * r.y +
               static_cast<double>(p.z) * r.z + static_cast<double>(p.w) * r.w;
    quat r_near = r;
    if (d < 0.0) {
        d = -d;
        r_near = -r;
    }
    const double td = t;
    double w1, w2;
    if (1.0 - d > static_cast<double>(degenerate_tolerance)) {
        const double a = std::acos(d);
        const double sin_a = std::sin(a);
        w1 = std::sin((1.0 - td) * a) / sin_a;
        w2 = std::sin(td * a) / sin_a;
    } else {
        w1 = 1.0 - td;
        w2 = td;
    }
    return p * static_cast<float>(w1) + r_near * static_cast<float>(w2);
}

// p + (r - p) * t: no shorter-arc choice, no normalisation.
constexpr quat lerp(const quat& p, const quat& r, float t) { return p + (r - p) * t; }

// a (1 - t) + b t in all four components.
constexpr float4 lerp(const float4& a, const float4& b, float t) {
    const float u = 1.0f - t;
    return {a.x * u + b.x * t, a.y * u + b.y * t, a.z * u + b.z * t, a.w * u + b.w * t};
}

// Decomposes a and b, interpolates scale, shear and translation linearly and the
// rotations as quaternions (linearly, along the shorter arc), and composes the
// result as scaling * shearing * rotation * translation.
float4x4 interpolate_transform(const float4x4& a, const float4x4& b, float t);
