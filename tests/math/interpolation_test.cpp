// slerp, the linear interpolations and the interpolation of whole transforms.

#include "math/float4x4_transforms.h"
#include "math/interpolation.h"
#include "math/rotation.h"
#include "math/transforms.h"
#include "math_test_support.h"

#include <cmath>

using namespace math_test;

namespace {
quat turn(float angle, vec3 axis) { return quat(std::cos(angle / 2), axis * -std::sin(angle / 2)); }
float norm(const quat& q) { return std::sqrt(q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z); }
}  // namespace

TEST(slerp, table) {
    const quat id(1, 0, 0, 0);
    const quat quarter = turn(pi / 2, {0, 0, 1});
    struct row {
        const char* what;
        quat got, want;
        float tol;
    };
    const row rows[] = {
        {"eighth turn half way", slerp(id, quarter, 0.5f), turn(pi / 4, {0, 0, 1}), 1e-7f},
        {"extrapolated to a half turn", slerp(id, quarter, 2.0f), turn(pi, {0, 0, 1}), 2e-7f},
        {"backwards", slerp(id, quarter, -1.0f), turn(-pi / 2, {0, 0, 1}), 2e-7f},
        {"start", slerp(id, quarter, 0.0f), id, 0},
        {"end", slerp(id, quarter, 1.0f), quarter, 1e-7f},
        // The shorter arc: -quarter is the same rotation and gives the same path.
        {"negated end", slerp(id, -quarter, 0.5f), turn(pi / 4, {0, 0, 1}), 1e-7f},
        {"opposite signs of one rotation", slerp(quarter, -quarter, 0.3f), quarter, 0},
        {"equal", slerp(quarter, quarter, 0.7f), quarter, 1e-7f},
    };
    for (const row& r : rows) EXPECT_TRUE(near(r.got, r.want, r.tol)) << r.what;
    EXPECT_NEAR(norm(slerp(id, quarter, 0.5f)), 1.0f, 1e-7f);
}

TEST(slerp, nearly_equal_rotations_blend_linearly) {
    const quat p = turn(0.01f, {0, 1, 0}), r = turn(0.02f, {0, 1, 0});  // 1 - dot ~ 1.25e-5
    for (float t : {0.0f, 0.25f, 0.5f, 1.0f, 1.5f}) {
        const quat want = p * (1.0f - t) + r * t;
        EXPECT_TRUE(near(slerp(p, r, t), want, 0)) << t;
        const quat want_neg = p * (1.0f - t) + r * t;
        EXPECT_TRUE(near(slerp(p, -r, t), want_neg, 0)) << t;
    }
}

TEST(slerp, property_end_points_unit_length_and_constant_speed) {
    random_source rng;
    for (int n = 0; n < 2000; ++n) {
        const quat p = rng.unit_quat(), r = rng.unit_quat();
        const bool flip = ((p.w * r.w + p.x * r.x) + p.y * r.y) + p.z * r.z < 0.0f;
        ASSERT_TRUE(near(slerp(p, r, 0), p, 1e-6f));
        ASSERT_TRUE(near(slerp(p, r, 1), flip ? -r : r, 1e-6f));
        const float t = rng.uniform(0, 1);
        const quat m = slerp(p, r, t);
        ASSERT_NEAR(norm(m), 1.0f, 1e-6f);
        // The angle from p grows in proportion to t.
        const auto angle = [](const quat& a, const quat& b) {
            const double d = std::fabs(double(a.w) * b.w + double(a.x) * b.x + double(a.y) * b.y + double(a.z) * b.z);
            return std::acos(std::min(d, 1.0));
        };
        const double whole = angle(p, r);
        if (whole > 0.05) {
            ASSERT_NEAR(angle(p, m), t * whole, 2e-3);
        }
    }
}

TEST(lerp, quaternions_blend_componentwise) {
    EXPECT_TRUE(near(lerp(quat(1, 0, 0, 0), quat(0, 0, 0, 1), 0.5f), quat(0.5f, 0, 0, 0.5f), 0));
    EXPECT_TRUE(near(lerp(quat(1, 2, 3, 4), quat(3, 2, 1, 0), 2.0f), quat(5, 2, -1, -4), 0));
    // No shorter-arc choice: opposite quaternions pass through zero.
    EXPECT_TRUE(near(lerp(quat(1, 0, 0, 0), quat(-1, 0, 0, 0), 0.5f), quat(0, 0, 0, 0), 0));
}

TEST(interpolate_transform, table) {
    const float4x4 id = float4x4_identity;
    struct row {
        const char* what;
        float4x4 a, b;
        float t;
        float4x4 want;
        float tol;
    };
    const row rows[] = {
        {"translation", id, translation(float4(2, 0, 0, 0)), 0.5f, translation(float4(1, 0, 0, 0)), 0},
        {"uniform scaling", id, float4x4_scaling(3), 0.5f, float4x4_scaling(2), 1e-6f},
        {"start", id, translation(float4(2, 4, 6, 0)), 0.0f, id, 0},
        {"end", id, translation(float4(2, 4, 6, 0)), 1.0f, translation(float4(2, 4, 6, 0)), 0},
        {"extrapolated", id, translation(float4(2, 0, 0, 0)), 2.0f, translation(float4(4, 0, 0, 0)), 0},
        {"shear", id, shearing(float4(0, 0, 1, 0)), 0.25f, shearing(float4(0, 0, 0.25f, 0)), 1e-6f},
        {"quarter turn about z", id, rotation_from_euler(float4(0, 0, pi / 2, 0)), 0.5f,
         rotation_from_euler(float4(0, 0, pi / 4, 0)), 1e-6f},
    };
    for (const row& r : rows) EXPECT_TRUE(near(interpolate_transform(r.a, r.b, r.t), r.want, r.tol)) << r.what;
}

TEST(interpolate_transform, takes_the_shorter_arc_between_equal_rotations) {
    // Two half turns about z, decomposed as z = +pi and z = -pi (a whole turn apart):
    // the same rotation, so every blend of them is that rotation.
    const float4x4 a = rotation_from_euler(float4(0, 0, pi, 0));
    float4x4 b = a;
    b(0, 1) = -b(0, 1);  // sin(pi) changes sign: the same matrix within rounding
    b(1, 0) = -b(1, 0);
    float4 s, h, ra, rb, t;
    a.decompose(s, h, ra, t);
    b.decompose(s, h, rb, t);
    ASSERT_NEAR(ra.z, -pi, 1e-6f);
    ASSERT_NEAR(rb.z, pi, 1e-6f);
    for (float u : {0.0f, 0.5f, 1.0f}) {
        const float4x4 m = interpolate_transform(a, b, u);
        EXPECT_TRUE(is_defined(m));
        EXPECT_TRUE(near(m, a, 1e-6f)) << u;
    }
}

TEST(interpolate_transform, property_same_matrix_and_end_points) {
    random_source rng;
    for (int n = 0; n < 500; ++n) {
        const vec3 e = rng.principal_angles(), s = rng.vector(0.5f, 3), t = rng.vector(-9, 9);
        const float4x4 a = scaling(float4(s.x, s.y, s.z, 0)) * rotation_from_euler(float4(e.x, e.y, e.z, 0)) *
                           translation(float4(t.x, t.y, t.z, 0));
        const vec3 e2 = rng.principal_angles(), s2 = rng.vector(0.5f, 3), t2 = rng.vector(-9, 9);
        const float4x4 b = scaling(float4(s2.x, s2.y, s2.z, 0)) * rotation_from_euler(float4(e2.x, e2.y, e2.z, 0)) *
                           translation(float4(t2.x, t2.y, t2.z, 0));
        ASSERT_TRUE(near(interpolate_transform(a, a, rng.uniform(-1, 2)), a, 5e-5f));
        ASSERT_TRUE(near(interpolate_transform(a, b, 0), a, 5e-5f));
        ASSERT_TRUE(near(interpolate_transform(a, b, 1), b, 5e-5f));
        // Every blend is still scale * rotation * translation: a finite matrix whose
        // translation is the blend of the translations.
        const float4x4 mid = interpolate_transform(a, b, 0.5f);
        ASSERT_TRUE(near(float4(mid(3, 0), mid(3, 1), mid(3, 2), 0),
                         float4((t.x + t2.x) / 2, (t.y + t2.y) / 2, (t.z + t2.z) / 2, 0), 1e-5f));
        ASSERT_TRUE(is_finite(mid(0, 0)) && is_finite(mid(2, 2)));
    }
}
