#pragma once
// Conversions between rotation forms: quaternion <-> Euler angles <-> matrix, and
// the quaternion that turns one direction onto another. The matrix of a quaternion
// is the mat4 constructor from a quat (mat4.h).
//
// Euler angles (x, y, z) are radians about the fixed axes, applied x first, then y,
// then z: their matrix is Rx(x) * Ry(y) * Rz(z) with row vectors.

#include "math/mat4.h"
#include "math/quat.h"
#include "math/vec3.h"

namespace detail {
// The quaternion of the turn by a about one axis has the parts cos(a/2) and
// sin(-a/2). cos is even, so both come from the one angle -a/2, which lets the
// compiler compute them together.
struct half_angle {
    float c, s;
};
inline half_angle half_angle_of(float a) {
    const float h = -(a / 2.0f);
    return {scalar::cos(h), scalar::sin(h)};
}
}  // namespace detail

// The quaternion whose matrix is Rx(e.x) * Ry(e.y) * Rz(e.z).
inline quat quat_from_euler(const vec3& e) {
    const detail::half_angle ax = detail::half_angle_of(e.x);
    const detail::half_angle ay = detail::half_angle_of(e.y);
    const detail::half_angle az = detail::half_angle_of(e.z);
    const quat qx(ax.c, vec3(ax.s, 0.0f, 0.0f));
    const quat qy(ay.c, vec3(0.0f, ay.s, 0.0f));
    const quat qz(az.c, vec3(0.0f, 0.0f, az.s));
    return (qx * qy) * qz;
}

// The rotation part of m, through its decomposition: scale, shear and translation
// do not affect the result. A mirroring matrix gives the rotation that decompose
// reports for it.
quat quat_from_matrix(const mat4& m);

// The rotation that turns the unit direction `from` onto the unit direction `to`,
// about their common perpendicular; not normalised. Equal directions give no turn;
// opposite directions give a half turn about an axis perpendicular to `from`: the
// axis after the one `from` lies closest to (x -> y, y -> z, z -> x), made
// perpendicular to `from`.
quat rotation_between(const vec3& from, const vec3& to);

// The rotation that turns `from` onto `to` about the unit `axis`. With `constrain`
// both directions are first projected onto the plane perpendicular to the axis and
// the result turns about the axis itself. Without it the turn is about from x to, as
// in the two-direction form, except that (nearly) opposite directions give a half
// turn about `axis`, whether or not it is perpendicular to them.
quat rotation_between(const vec3& from, const vec3& to, const vec3& axis, bool constrain);
