// The float4x4 operations that go through mat4 or the mathematical functions.

#include "math/float4x4.h"

#include "math/float4x4_transforms.h"
#include "math/float4_rotation.h"
#include "math/rotation.h"
#include "math/transforms.h"

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

// The float4x4 product sums in the same order as the mat4 one, so the mat4 builder
// gives the same elements.
float4x4 rotation_from_euler(const float4& e) { return to_float4x4(rotation_from_euler(vec3(e.x, e.y, e.z))); }

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
