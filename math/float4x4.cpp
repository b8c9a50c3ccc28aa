// The float4x4 operations that go through mat4 or the mathematical functions.

#include "math/float4x4.h"

#include "math/float4x4_transforms.h"
#include "math/float4_rotation.h"
#include "math/rotation.h"

bool float4x4::decompose(float4& scale, float4& shear, float4& rotation, float4& translation) const {
    vec3 s, h, r, t;
    const bool result = static_cast<mat4>(*this).decompose(s, h, r, t);
    const auto store = [](float4& into, const vec3& v) { into = float4(v.x, v.y, v.z, into.w); };
    store(scale, s);
    store(shear, h);
    store(rotation, r);
    store(translation, t);
    return result;
}

float4x4 rotation_from_euler(const float4& e) {
    const float cx = scalar::cos(e.x), sx = scalar::sin(e.x);
    const float cy = scalar::cos(e.y), sy = scalar::sin(e.y);
    const float cz = scalar::cos(e.z), sz = scalar::sin(e.z);
    const float4x4 rx(1, 0, 0, 0, 0, cx, sx, 0, 0, -sx, cx, 0, 0, 0, 0, 1);
    const float4x4 ry(cy, 0, -sy, 0, 0, 1, 0, 0, sy, 0, cy, 0, 0, 0, 0, 1);
    const float4x4 rz(cz, sz, 0, 0, -sz, cz, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    return rx * ry * rz;
}

quat quat_from_euler(const float4& e) { return quat_from_euler(vec3(e.x, e.y, e.z)); }

float4 quat::to_euler_float4() const {
    float4 scale, shear, rotation, translation;
    float4x4(*this).decompose(scale, shear, rotation, translation);
    return rotation;
}

// The float4 projection, normalisation, cross and dot products compute x, y and z
// exactly as their vec3 counterparts do, so the vec3 form gives the same quaternion.
quat rotation_between(const float4& from, const float4& to, const float4& axis, bool constrain) {
    return rotation_between(vec3(from.x, from.y, from.z), vec3(to.x, to.y, to.z),
                            vec3(axis.x, axis.y, axis.z), constrain);
}
