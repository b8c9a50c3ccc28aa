// float4 and float4x4: the second matrix form.

#include "math/constants.h"
#include "math/float4_rotation.h"
#include "math/float4x4.h"
#include "math/float4x4_transforms.h"
#include "math/interpolation.h"
#include "math/rotation.h"
#include "math/transforms.h"
#include "math_test_support.h"

#include <cmath>
#include <cstring>

using namespace math_test;

static_assert(sizeof(float4) == 16 && sizeof(float4x4) == 64);
static_assert(translation(float4(1, 2, 3, 7)).rows[3].w == 1.0f);
static_assert(float4x4_scaling(2.0f)(1, 1) == 2.0f && float4x4_scaling(2.0f)(3, 3) == 1.0f);
static_assert(dot(float4(1, 2, 3, 100), float4(1, 1, 1, 100)) == 6.0f);

namespace {
vec3 xyz(const float4& v) { return {v.x, v.y, v.z}; }
}  // namespace

TEST(float4, component_functions) {
    float4 v(1, 2, 3, 4);
    x(v) = 10;
    w(v) = 40;
    EXPECT_TRUE(near(v, float4(10, 2, 3, 40), 0));
    const float4& c = v;
    EXPECT_EQ(y(c), 2.0f);
    EXPECT_EQ(z(c), 3.0f);
    const vec4 as_vec4 = static_cast<vec4>(v);
    EXPECT_TRUE(near(as_vec4, vec4(10, 2, 3, 40), 0));

    struct row {
        const char* what;
        float4 got, want;
    };
    const float4 a(1, 2, 3, 4), b(5, -6, 7, 8);
    const row rows[] = {
        {"with_w", with_w(a, 9), {1, 2, 3, 9}},
        {"splat", splat(2.5f), {2.5f, 2.5f, 2.5f, 2.5f}},
        {"times", a * 2.0f, {2, 4, 6, 8}},
        {"divided", a / 4.0f, {0.25f, 0.5f, 0.75f, 1}},
        {"minus", a - b, {-4, 8, -4, -4}},
        {"negated", -a, {-1, -2, -3, -4}},
        {"cross", cross(float4(1, 0, 0, 5), float4(0, 1, 0, 7)), {0, 0, 1, 0}},
        {"cross general", cross(a, b), {32, 8, -16, 0}},
        {"normalized", normalized(float4(3, 0, 4, 10)), {0.6f, 0, 0.8f, 2}},
        {"normalized zero", normalized(float4(0, 0, 0, 5)), {0, 0, 0, 5}},
        {"normalized huge", normalized(float4(1e38f, 0, 1e38f, 1e38f)), {0.70710678f, 0, 0.70710678f, 0.70710678f}},
        {"lerp 0", lerp(a, b, 0), a},
        {"lerp 1", lerp(a, b, 1), b},
        {"lerp half", lerp(a, b, 0.5f), {3, -2, 5, 6}},
        {"lerp 2", lerp(a, b, 2), {9, -14, 11, 12}},
    };
    for (const row& r : rows) EXPECT_TRUE(near(r.got, r.want, 1e-7f)) << r.what;
    EXPECT_EQ(bits((a / 3.0f).x), bits(1.0f / 3.0f));  // a true division
    EXPECT_EQ(dot(a, b), 14.0f);
    EXPECT_EQ(length(float4(3, 0, 4, 100)), 5.0f);
    float4 m = a;
    EXPECT_EQ(&(m *= 2.0f), &m);
    EXPECT_TRUE(near(m, a * 2.0f, 0));
}

TEST(float4, normalize_in_place_returns_the_length) {
    struct row {
        float4 in;
        float returned;
        float4 after;
    };
    const row rows[] = {
        {{0, 0, 0, 1}, 0.0f, {0, 0, 0, 1}},
        {{3, 0, 4, 10}, 5.0f, {0.6f, 0, 0.8f, 2}},
        {{qnan, 0, 0, 1}, qnan, {qnan, 0, 0, 1}},
        {{1e38f, 1e38f, 0, 0}, 1.41421356e38f, {0.70710678f, 0.70710678f, 0, 0}},
    };
    for (const row& r : rows) {
        float4 v = r.in;
        EXPECT_TRUE(same_within(normalize(v), r.returned, r.returned * 1e-7f)) << r.in.x;
        EXPECT_TRUE(near(v, r.after, 1e-7f)) << r.in.x;
    }
}

TEST(float4, nan_constant) {
    for (float c : {float4_nan.x, float4_nan.y, float4_nan.z, float4_nan.w}) {
        EXPECT_TRUE(std::isnan(c));
        EXPECT_FALSE(c == c);
        EXPECT_TRUE(is_defined(c));
    }
}

TEST(float4x4, construction_access_and_conversion) {
    const float4x4 m(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    float raw[16];
    std::memcpy(raw, &m, sizeof raw);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(raw[i], float(i));
    EXPECT_EQ(m(2, 3), 11.0f);
    float4x4 n = m;
    n(1, 2) = -6;
    EXPECT_EQ(n.rows[1].z, -6.0f);
    const mat4 as_mat4 = static_cast<mat4>(m);
    EXPECT_EQ(std::memcmp(&as_mat4, &m, sizeof m), 0);
    const float4x4 back = to_float4x4(as_mat4);
    EXPECT_EQ(std::memcmp(&back, &m, sizeof m), 0);
}

TEST(float4x4, products) {
    const float4x4 a = to_float4x4(scaling(vec3(2, 3, 4)) * rotation_from_euler({0.3f, 0.2f, -0.1f}) * translation({1, 2, 3}));
    EXPECT_TRUE(near(a * float4x4_identity, a, 0));
    EXPECT_TRUE(near(float4x4_identity * a, a, 0));
    const float4x4 b = to_float4x4(shearing({0.1f, 0.2f, 0.3f}));
    float4x4 in_place = a;
    in_place = in_place * b;
    EXPECT_TRUE(near(in_place, a * b, 0));
    EXPECT_TRUE(near(a * b, to_float4x4(static_cast<mat4>(a) * static_cast<mat4>(b)), 1e-6f));
    EXPECT_TRUE(near(float4(5, 6, 7, 1) * translation(float4(1, 2, 3, 0)), float4(6, 8, 10, 1), 0));
    // Summed left to right, as the mat4 row-vector product does.
    const vec4 via_mat4 = vec4(1, -2, 3, 0.5f) * static_cast<mat4>(a);
    EXPECT_TRUE(near(float4(1, -2, 3, 0.5f) * a, float4(via_mat4.x, via_mat4.y, via_mat4.z, via_mat4.w), 0));
}

TEST(float4x4, builders_table) {
    struct row {
        const char* what;
        float4 p;
        float4x4 m;
        float4 want;
        float tol;
    };
    const row rows[] = {
        {"translation", {5, 6, 7, 1}, translation(float4(1, 2, 3, 0)), {6, 8, 10, 1}, 0},
        {"scaling about, centre", {1, 1, 1, 1}, scaling_about(float4(1, 1, 1, 0), float4(2, 2, 2, 0)), {1, 1, 1, 1}, 0},
        {"scaling about", {2, 1, 1, 1}, scaling_about(float4(1, 1, 1, 0), float4(2, 2, 2, 0)), {3, 1, 1, 1}, 0},
        {"shearing", {0, 1, 0, 1}, shearing(float4(0, 0, 2, 0)), {2, 1, 0, 1}, 0},
        {"shearing all", {1, 1, 1, 1}, shearing(float4(1, 2, 3, 0)), {6, 2, 1, 1}, 0},
        {"euler z", {1, 0, 0, 1}, rotation_from_euler(float4(0, 0, pi / 2, 0)), {0, 1, 0, 1}, 1e-7f},
        {"uniform", {1, 2, 3, 1}, float4x4_scaling(2), {2, 4, 6, 1}, 0},
        {"scaling", {1, 2, 3, 1}, scaling(float4(2, 3, 4, 9)), {2, 6, 12, 1}, 0},
    };
    for (const row& r : rows) EXPECT_TRUE(near(r.p * r.m, r.want, r.tol)) << r.what;
    EXPECT_TRUE(near(translation(float4(1, 2, 3, 7)).rows[3], float4(1, 2, 3, 1), 0));

    // The same transforms as the mat4 builders.
    const vec3 v(0.3f, -1.2f, 2.2f), c(1, 2, -3);
    const float4 v4(v.x, v.y, v.z, 99), c4(c.x, c.y, c.z, -7);
    EXPECT_TRUE(near(translation(v4), to_float4x4(translation(v)), 0));
    EXPECT_TRUE(near(scaling(v4), to_float4x4(scaling(v)), 0));
    EXPECT_TRUE(near(float4x4_scaling(1.5f), to_float4x4(scaling(1.5f)), 0));
    EXPECT_TRUE(near(shearing(v4), to_float4x4(shearing(v)), 0));
    EXPECT_TRUE(near(scaling_about(c4, v4), to_float4x4(scaling_about(c, v)), 0));
    EXPECT_TRUE(near(rotation_from_euler(v4), to_float4x4(rotation_from_euler(v)), 0));
}

TEST(float4x4, homogenize_scales_all_sixteen) {
    float4x4 m = float4x4_scaling(4);
    m(3, 3) = 2;
    m(3, 0) = 6;
    EXPECT_EQ(&m.homogenize(), &m);
    EXPECT_TRUE(near(m, float4x4(2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 3, 0, 0, 1), 0));
    float4x4 z = float4x4_identity;
    z(3, 3) = 0;
    z.homogenize();
    EXPECT_EQ(z(0, 0), inf);
    EXPECT_TRUE(std::isnan(z(3, 3)));
}

TEST(float4x4, quaternion_matrix) {
    EXPECT_TRUE(near(float4x4(quat(2, 0, 0, 0)), float4x4_identity, 0));
    const float4x4 z(quat(0, 0, 0, 0));
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 4; ++j) EXPECT_TRUE(std::isnan(z(i, j)));
    }
    EXPECT_TRUE(near(z.rows[3], float4(0, 0, 0, 1), 0));
    random_source rng;
    for (int n = 0; n < 500; ++n) {
        const quat q = rng.unit_quat() * rng.uniform(0.2f, 3.0f);
        ASSERT_TRUE(near(float4x4(q), to_float4x4(mat4(q)), 0));
    }
}

TEST(float4x4, decompose_keeps_w_and_inverse_matches_mat4) {
    float4 s(0, 0, 0, 11), h(0, 0, 0, 12), r(0, 0, 0, 13), t(0, 0, 0, 14);
    EXPECT_TRUE(translation(float4(1, 2, 3, 0)).decompose(s, h, r, t));
    EXPECT_TRUE(near(s, float4(1, 1, 1, 11), 0));
    EXPECT_TRUE(near(h, float4(0, 0, 0, 12), 0));
    EXPECT_TRUE(near(r, float4(0, 0, 0, 13), 0));
    EXPECT_TRUE(near(t, float4(1, 2, 3, 14), 0));

    random_source rng;
    for (int n = 0; n < 300; ++n) {
        const mat4 m = rng.matrix(-3, 3);
        ASSERT_TRUE(identical(static_cast<mat4>(inverse(to_float4x4(m))), inverse(m)));
        vec3 s3, h3, r3, t3;
        m.decompose(s3, h3, r3, t3);
        to_float4x4(m).decompose(s, h, r, t);
        ASSERT_TRUE(near(xyz(s), s3, 0) && near(xyz(h), h3, 0) && near(xyz(r), r3, 0) && near(xyz(t), t3, 0));
    }
}

TEST(float4x4, is_defined_checks_every_element) {
    EXPECT_TRUE(is_defined(float4x4_identity));
    for (int k = 0; k < 16; ++k) {
        float4x4 m = float4x4_identity;
        m(k / 4, k % 4) = undefined_value;
        EXPECT_FALSE(is_defined(m)) << k;
    }
}

TEST(float4x4, rotation_conversions) {
    random_source rng;
    for (int n = 0; n < 500; ++n) {
        const vec3 e = rng.principal_angles();
        const quat q = quat_from_euler(float4(e.x, e.y, e.z, rng.uniform(-9, 9)));
        ASSERT_TRUE(near(q, quat_from_euler(e), 0));
        const float4 back = q.to_euler_float4();
        ASSERT_TRUE(near(xyz(back), e, 2e-5f));
        const vec3 from = rng.unit_vector(), to = rng.unit_vector(), axis = rng.unit_vector();
        for (bool constrain : {false, true}) {
            const quat got = rotation_between(float4(from.x, from.y, from.z, 5), float4(to.x, to.y, to.z, -5),
                                              float4(axis.x, axis.y, axis.z, 3), constrain);
            ASSERT_TRUE(near(got, rotation_between(from, to, axis, constrain), 0));
        }
    }
}
