// Builders of mat4 transforms that need the mathematical functions.

#include "math/transforms.h"

#include "math/rotation.h"
#include "math/vec2.h"

namespace {

// Turns d onto the unit axis e; a direction opposite e gets a half turn about f.
mat4 rotation_onto_axis(const vec3& d, const vec3& e, const vec3& f) {
    vec3 u = d;
    const float len = normalize(u);
    if (!(len > 0.0f)) return mat4_identity;
    const vec3 axis = cross(u, e);
    const float c = dot(e, u);
    if (!(length(axis) > 0.0f)) return c < 0.0f ? rotation_about_axis(f, float_pi) : mat4_identity;
    const float s = scalar::sqrt(1.0f - c * c);
    return rotation_about_axis(axis, to_polar(vec2(c, s)).x);
}

}  // namespace

mat4 scaling_along(const vec3& centre, const vec3& direction, float k) {
    const mat4 r = rotation_to_z(direction);
    return translation(-centre) * r * scaling(vec3(1.0f, 1.0f, k)) * affine_inverse(r) *
           translation(centre);
}

mat4 rotation_from_euler(const vec3& a) {
    const float cx = scalar::cos(a.x), sx = scalar::sin(a.x);
    const float cy = scalar::cos(a.y), sy = scalar::sin(a.y);
    const float cz = scalar::cos(a.z), sz = scalar::sin(a.z);
    const mat4 rx(1, 0, 0, 0, 0, cx, sx, 0, 0, -sx, cx, 0, 0, 0, 0, 1);
    const mat4 ry(cy, 0, -sy, 0, 0, 1, 0, 0, sy, 0, cy, 0, 0, 0, 0, 1);
    const mat4 rz(cz, sz, 0, 0, -sz, cz, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    return (rx * ry) * rz;
}

mat4 rotation_about_axis(const vec3& axis, float c, float s) {
    const vec3 n = normalized(axis);
    const float x = n.x, y = n.y, z = n.z;
    const float g = 1.0f - c;
    mat4 m = mat4_zero;
    m[0].x = x * x + (1.0f - x * x) * c;
    m[0].y = x * y * g + z * s;
    m[0].z = g * (x * z) - s * y;
    m[1].x = g * (x * y) - s * z;
    m[1].y = y * y + c * (1.0f - y * y);
    m[1].z = g * (y * z) + s * x;
    m[2].x = g * (x * z) + s * y;
    m[2].y = g * (y * z) - s * x;
    m[2].z = z * z + c * (1.0f - z * z);
    m[3].w = 1.0f;
    return m;
}

mat4 rotation_about_axis(const vec3& axis, float angle) {
    return rotation_about_axis(axis, scalar::cos(angle), scalar::sin(angle));
}

mat4 rotation_about_point(const vec3& point, const vec3& axis, float c, float s) {
    return translation(-point) * rotation_about_axis(axis, c, s) * translation(point);
}

mat4 rotation_about_point(const vec3& point, const vec3& axis, float angle) {
    return translation(-point) * rotation_about_axis(axis, angle) * translation(point);
}

mat4 rotation_about_point(const vec3& point, const quat& q) {
    return translation(-point) * mat4(q) * translation(point);
}

mat4 rotation_about_point(const vec3& point, const vec3& from, const vec3& to) {
    return rotation_about_point(point, rotation_between(from, to));
}

mat4 rotation_matrix_between(const vec3& from, const vec3& to) {
    return mat4(rotation_between(from, to));
}

mat4 rotation_to_x(const vec3& d) { return rotation_onto_axis(d, {1, 0, 0}, {0, 1, 0}); }
mat4 rotation_to_y(const vec3& d) { return rotation_onto_axis(d, {0, 1, 0}, {0, 0, 1}); }
mat4 rotation_to_z(const vec3& d) { return rotation_onto_axis(d, {0, 0, 1}, {1, 0, 0}); }
