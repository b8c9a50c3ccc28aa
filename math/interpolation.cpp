// Interpolation of whole transforms.

#include "math/interpolation.h"

#include "math/float4_rotation.h"
#include "math/float4x4_transforms.h"

float4x4 interpolate_transform(const float4x4& a, const float4x4& b, float t) {
    float4 scale_a, shear_a, rotation_a, translation_a;
    float4 scale_b, shear_b, rotation_b, translation_b;
    a.decompose(scale_a, shear_a, rotation_a, translation_a);
    b.decompose(scale_b, shear_b, rotation_b, translation_b);

    const float4 scale = lerp(scale_a, scale_b, t);
    const float4 shear = lerp(shear_a, shear_b, t);
    const float4 move = lerp(translation_a, translation_b, t);

    // Angles a whole turn apart give opposite quaternions of one rotation: take the
    // second with the sign nearer the first, or the blend passes through zero.
    const quat qa = quat_from_euler(rotation_a);
    quat qb = quat_from_euler(rotation_b);
    if (((qa.w * qb.w + qa.x * qb.x) + qa.y * qb.y) + qa.z * qb.z < 0.0f) qb = -qb;
    const quat q = lerp(qa, qb, t);

    return scaling(scale) * shearing(shear) * float4x4(q) * translation(move);
}
