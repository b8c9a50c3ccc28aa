// Taking a mat4 apart into scale, shear, Euler angles and translation.

#include "math/mat4.h"

bool mat4::decompose(vec3& scale, vec3& shear, vec3& rotation, vec3& translation) const {
    // Remove the common factor: each element is divided by [3][3] as it stands when
    // the element is reached, so [3][3], the last, becomes 1.
    mat4 w = *this;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) w[i][j] = w[i][j] / w[3][3];
    }

    translation = vec3(w[3].x, w[3].y, w[3].z);

    // Gram-Schmidt on the rows of the upper-left block, x first. Column 3 (a
    // perspective part) takes no part.
    vec3 r0(w[0].x, w[0].y, w[0].z);
    vec3 r1(w[1].x, w[1].y, w[1].z);
    vec3 r2(w[2].x, w[2].y, w[2].z);

    scale.x = normalize(r0);
    shear.z = dot(r0, r1);
    r1 = r1 - r0 * shear.z;
    scale.y = normalize(r1);
    shear.z = shear.z / scale.y;
    shear.y = dot(r0, r2);
    r2 = r2 - r0 * shear.y;
    shear.x = dot(r1, r2);
    r2 = r2 - r1 * shear.x;
    scale.z = normalize(r2);
    shear.y = shear.y / scale.z;
    shear.x = shear.x / scale.z;

    // A mirrored basis: flip all three axes, which turns it into a rotation.
    if (dot(r0, cross(r1, r2)) < 0.0f) {
        vec3* rows[3] = {&r0, &r1, &r2};
        for (int i = 0; i < 3; ++i) {
            scale[i] = scale[i] * -1.0f;
            *rows[i] = *rows[i] * -1.0f;
        }
    }

    // Euler angles of the orthonormal rows for Rx * Ry * Rz.
    rotation.y = scalar::asin(-r0.z);
    const float cy = scalar::cos(rotation.y);
    if (cy < -degenerate_tolerance || cy > degenerate_tolerance) {
        rotation.x = scalar::atan2(r1.z, r2.z);
        rotation.z = scalar::atan2(r0.y, r0.x);
    } else {
        // Gimbal lock (y near +-pi/2): the turn about z is folded into the turn about x.
        rotation.z = 0.0f;
        rotation.x = rotation.y > 0.0f ? scalar::atan2(r1.x, r1.y) : -scalar::atan2(r1.x, r1.y);
    }
    return true;
}
