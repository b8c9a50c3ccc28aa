#pragma once
// Builders of mat4 transforms. Row vectors (v' = v * M), translation in row 3,
// A * B applies A first, angles in radians, right-handed rotations (a positive angle
// about +z turns +x towards +y). T(c) below is translation(c).

#include "math/constants.h"
#include "math/mat4.h"
#include "math/quat.h"
#include "math/vec3.h"

// Identity with row 3 = (t, 1).
constexpr mat4 translation(const vec3& t) {
    mat4 m = mat4_identity;
    m[3].x = t.x;
    m[3].y = t.y;
    m[3].z = t.z;
    return m;
}

// Uniform scaling of x, y and z by k; m[3][3] stays 1.
constexpr mat4 scaling(float k) {
    mat4 m = mat4_identity;
    m[0].x = k;
    m[1].y = k;
    m[2].z = k;
    return m;
}

// Diagonal (s.x, s.y, s.z, 1).
constexpr mat4 scaling(const vec3& s) {
    mat4 m = mat4_identity;
    m[0].x = s.x;
    m[1].y = s.y;
    m[2].z = s.z;
    return m;
}

// Scaling by s that keeps `centre` fixed: T(-centre) * scaling(s) * T(centre).
constexpr mat4 scaling_about(const vec3& centre, const vec3& s) {
    return translation(-centre) * scaling(s) * translation(centre);
}

// Shear: a row vector v becomes (v.x + v.y h.z + v.z h.y, v.y + v.z h.x, v.z), so
// h.z shears xy, h.y xz and h.x yz, the order in which decompose reports them.
constexpr mat4 shearing(const vec3& h) {
    mat4 m = mat4_identity;
    m[1].x = h.z;
    m[2].x = h.y;
    m[2].y = h.x;
    return m;
}

// Scaling by k along `direction` through `centre`; a zero direction scales along z.
mat4 scaling_along(const vec3& centre, const vec3& direction, float k);

// Rx(a.x) * Ry(a.y) * Rz(a.z): the turn about x first, then y, then z.
mat4 rotation_from_euler(const vec3& a);

// The turn by the angle whose cosine and sine are c and s about `axis`, which is
// normalised first (a zero axis gives the diagonal (c, c, c, 1)). c and s are used
// as given, so a pair with c^2 + s^2 != 1 also scales.
mat4 rotation_about_axis(const vec3& axis, float c, float s);
mat4 rotation_about_axis(const vec3& axis, float angle);

// The same turns about an axis through `point`: T(-point) * R * T(point).
mat4 rotation_about_point(const vec3& point, const vec3& axis, float c, float s);
mat4 rotation_about_point(const vec3& point, const vec3& axis, float angle);
mat4 rotation_about_point(const vec3& point, const quat& q);
// The turn of `from` onto `to` (rotation_between in rotation.h) about `point`.
mat4 rotation_about_point(const vec3& point, const vec3& from, const vec3& to);

// The matrix of rotation_between(from, to).
mat4 rotation_matrix_between(const vec3& from, const vec3& to);

// The rotation that turns the direction d onto +X, +Y or +Z, about d x axis by the
// angle between them. A zero d gives the identity; a d along the axis gives the
// identity, and one opposite it a half turn about the next axis (Y, Z and X).
mat4 rotation_to_x(const vec3& d);
mat4 rotation_to_y(const vec3& d);
mat4 rotation_to_z(const vec3& d);
