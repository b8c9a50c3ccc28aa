// Rotation conversions that go through a matrix or a pair of directions.

#include "math/rotation.h"

#include "math/mat4.h"

namespace {

constexpr quat no_turn{1.0f, 0.0f, 0.0f, 0.0f};

// (0, n) and (0, -n) are the same half turn about the unit axis n.
constexpr quat half_turn_about(const vec3& n) { return quat(0.0f, n); }

// An axis perpendicular to `from`: take the coordinate axis after the one `from`
// lies closest to (x -> y, y -> z, z -> x, as the rotations onto an axis do) and
// remove its part along `from`. That axis makes at least 45 degrees with `from`, so
// the rest never vanishes.
vec3 perpendicular_axis(const vec3& from) {
    const vec3 u = normalized(from);
    const float ax = scalar::fabs(u.x), ay = scalar::fabs(u.y), az = scalar::fabs(u.z);
    vec3 next;
    if (ax >= ay && ax >= az) {
        next = vec3(0.0f, 1.0f, 0.0f);
    } else if (ay >= az) {
        next = vec3(0.0f, 0.0f, 1.0f);
    } else {
        next = vec3(1.0f, 0.0f, 0.0f);
    }
    return normalized(next - u * dot(next, u));
}

}  // namespace

quat quat_from_matrix(const mat4& m) {
    vec3 scale, shear, rotation, translation;
    m.decompose(scale, shear, rotation, translation);
    return quat_from_euler(rotation);
}

quat rotation_between(const vec3& from, const vec3& to) {
    vec3 c = cross(from, to);
    const float s = normalize(c);
    if (s < degenerate_tolerance) {
        return dot(from, to) < 0.0f ? half_turn_about(perpendicular_axis(from)) : no_turn;
    }
    return quat(1.0f + dot(from, to), c * -s);
}

quat rotation_between(const vec3& from, const vec3& to, const vec3& axis, bool constrain) {
    if (constrain) {
        const vec3 f = normalized(from - axis * dot(from, axis));
        const vec3 t = normalized(to - axis * dot(to, axis));
        const vec3 c = cross(f, t);
        const float s = length(c);
        const float d = dot(f, t);
        if (s < degenerate_tolerance && d < 0.0f) return half_turn_about(axis);
        const float k = dot(c, axis) >= 0.0f ? -s : s;
        return quat(d + 1.0f, axis * k);
    }
    vec3 c = cross(from, to);
    const float s = normalize(c);
    if (s < degenerate_tolerance) return dot(from, to) < 0.0f ? half_turn_about(axis) : no_turn;
    return quat(1.0f + dot(from, to), c * -s);
}

bool quat::to_euler(vec3& angles) const {
    vec3 scale, shear, translation;
    return mat4(*this).decompose(scale, shear, angles, translation);
}

vec3 quat::forward_point(float distance) const {
    return transform_point(vec3(0.0f, 0.0f, -distance), mat4(*this));
}

void quat::rotate_by(const mat4& m) {
    mat4 p = mat4(*this) * m;
    const auto row = [&p](int i) { return vec3(p[i].x, p[i].y, p[i].z); };
    const auto set_row = [&p](int i, const vec3& v) {
        p[i].x = v.x;
        p[i].y = v.y;
        p[i].z = v.z;
    };
    // Rounding in the product leaves the rows slightly skewed; rebuild rows 0 and 1
    // from row 2 so that the decomposition sees a rotation.
    set_row(0, cross(row(1), normalized(row(2))));
    set_row(1, cross(row(2), normalized(row(0))));
    *this = quat_from_matrix(p);
}
