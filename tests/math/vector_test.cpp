// Scalar helpers, vec2, vec3 and vec4.

#include "math/scalar.h"
#include "math/vec2.h"
#include "math/vec3.h"
#include "math/vec4.h"
#include "math_test_support.h"

#include <cmath>
#include <cstddef>

using namespace math_test;

// The host reads the control point as three consecutive 32-bit floats x, y, z.
static_assert(sizeof(vec3) == 12 && offsetof(vec3, x) == 0 && offsetof(vec3, y) == 4 &&
              offsetof(vec3, z) == 8);
static_assert(sizeof(vec2) == 8 && sizeof(vec4) == 16 && offsetof(vec4, w) == 12);
static_assert(sizeof(int_rect) == 16 && offsetof(int_rect, bottom) == 12);
static_assert(std::is_trivially_copyable_v<vec3> && std::is_trivially_default_constructible_v<vec3>);
// What costs nothing at run time is usable at compile time.
static_assert(cross(vec3(1, 0, 0), vec3(0, 1, 0)).z == 1.0f);
static_assert(dot(vec3(1, 2, 3), vec3(4, 5, 6)) == 32.0f);
static_assert(!is_defined(undefined_value) && is_defined(0.0f) && !is_finite(undefined_value));
static_assert(vec2(0.5f, 0.5f).is_in_rect({0, 0, 1, 1}));

TEST(scalar, is_defined_and_is_finite_by_bit_pattern) {
    struct row {
        std::uint32_t pattern;
        bool defined;
        bool finite;
    };
    const row rows[] = {
        {0x00000000u, true, true},   {0x80000000u, true, true},  {0x3F800000u, true, true},
        {0x7F7FFFFFu, true, true},   {0x00000001u, true, true},  {0x7F800000u, true, false},
        {0xFF800000u, true, false},  {0x7FC00000u, true, false},  {0xFFC00000u, true, false},
        {0x7F800001u, false, false}, {0x7FC00001u, false, false}, {0xFFA00000u, false, false},
        {0x7FBFFFFFu, false, false}, {0x7FE00000u, false, false},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(::testing::Message() << std::hex << r.pattern);
        EXPECT_EQ(is_defined(from_bits(r.pattern)), r.defined);
        EXPECT_EQ(is_finite(from_bits(r.pattern)), r.finite);
    }
}

TEST(scalar, undefined_value_is_a_signalling_nan_and_survives_quieting) {
    const std::uint32_t b = bits(undefined_value);
    EXPECT_EQ(b & 0x7F800000u, 0x7F800000u);
    EXPECT_EQ(b & 0x00400000u, 0u) << "the quiet bit of a signalling NaN is clear";
    EXPECT_FALSE(is_defined(undefined_value));
    // What an x87 load makes of it on 32-bit Windows: the quiet bit set.
    EXPECT_FALSE(is_defined(from_bits(b | 0x00400000u)));
    EXPECT_TRUE(is_defined(qnan));
}

TEST(scalar, functions_round_the_double_result) {
    const float args[] = {0.0f, 0.3f, -0.7f, 1.0f, 2.5f, -3.1415927f, 1e-4f};
    for (float a : args) {
        EXPECT_EQ(bits(scalar::cos(a)), bits(static_cast<float>(std::cos(double(a)))));
        EXPECT_EQ(bits(scalar::sin(a)), bits(static_cast<float>(std::sin(double(a)))));
        EXPECT_EQ(bits(scalar::sqrt(std::fabs(a))), bits(static_cast<float>(std::sqrt(double(std::fabs(a))))));
        EXPECT_EQ(bits(scalar::fabs(a)), bits(std::fabs(a)));
        EXPECT_EQ(bits(scalar::atan2(a, 0.5f)), bits(static_cast<float>(std::atan2(double(a), 0.5))));
        if (std::fabs(a) <= 1.0f) {
            EXPECT_EQ(bits(scalar::asin(a)), bits(static_cast<float>(std::asin(double(a)))));
            EXPECT_EQ(bits(scalar::acos(a)), bits(static_cast<float>(std::acos(double(a)))));
        }
    }
    EXPECT_EQ(bits(float_pi), 0x40490FDBu);
    EXPECT_EQ(bits(degenerate_tolerance), 0x3951B717u);
}

TEST(scalar, float_sqrt_equals_double_sqrt_rounded) {
    random_source rng;
    for (int i = 0; i < 20000; ++i) {
        const float a = from_bits(static_cast<std::uint32_t>(rng.uniform(0.0f, 2139095039.0f)));
        ASSERT_EQ(bits(scalar::sqrt(a)), bits(static_cast<float>(std::sqrt(double(a))))) << a;
    }
}

TEST(vec, element_access_by_index_reaches_the_named_components) {
    vec4 v(1, 2, 3, 4);
    v[0] = 10;
    v[3] = 40;
    EXPECT_TRUE(near(v, vec4(10, 2, 3, 40), 0));
    vec3 p(1, 2, 3);
    p[1] = 20;
    EXPECT_EQ(p[2], 3.0f);
    EXPECT_EQ(p.y, 20.0f);
    vec2 q(1, 2);
    q[1] = 5;
    EXPECT_EQ(q.y, 5.0f);
    EXPECT_EQ(q[0], 1.0f);
}

TEST(vec3, arithmetic_table) {
    const vec3 a(1, 2, 3), b(4, -5, 6);
    struct row {
        const char* what;
        vec3 got, want;
    };
    const row rows[] = {
        {"-a", -a, {-1, -2, -3}},
        {"a + b", a + b, {5, -3, 9}},
        {"a - b", a - b, {-3, 7, -3}},
        {"a * 2", a * 2.0f, {2, 4, 6}},
        {"a / 4", a / 4.0f, {0.25f, 0.5f, 0.75f}},
        {"cross x y", cross({1, 0, 0}, {0, 1, 0}), {0, 0, 1}},
        {"cross y x", cross({0, 1, 0}, {1, 0, 0}), {0, 0, -1}},
        {"cross y z", cross({0, 1, 0}, {0, 0, 1}), {1, 0, 0}},
        {"cross a b", cross(a, b), {27, 6, -13}},
        {"member cross", a.cross(b), {27, 6, -13}},
    };
    for (const row& r : rows) EXPECT_TRUE(near(r.got, r.want, 0)) << r.what;
    EXPECT_EQ(dot(a, b), 12.0f);
    EXPECT_EQ(length(vec3(3, 0, 4)), 5.0f);

    vec3 c = a;
    EXPECT_EQ(&(c *= 3.0f), &c);
    EXPECT_TRUE(near(c, {3, 6, 9}, 0));
    EXPECT_EQ(&(c /= 3.0f), &c);
    EXPECT_TRUE(near(c, a, 1e-6f));
}

TEST(vec3, division_multiplies_by_the_float_reciprocal) {
    // 1/3 rounded first, then multiplied: differs from a true division for 3/3.
    const vec3 v = vec3(3, 6, 9) / 3.0f;
    const float r = 1.0f / 3.0f;
    EXPECT_EQ(bits(v.x), bits(3.0f * r));
    EXPECT_EQ(bits(v.z), bits(9.0f * r));
    vec3 w(3, 6, 9);
    w /= 3.0f;
    EXPECT_EQ(bits(w.y), bits(6.0f * r));
}

TEST(vec3, division_by_zero_gives_infinities_and_nan) {
    const vec3 v = vec3(1, 2, 3) / 0.0f;
    EXPECT_TRUE(near(v, {inf, inf, inf}, 0));
    const vec3 w = vec3(0, 1, 2) / 0.0f;
    EXPECT_TRUE(std::isnan(w.x));
    EXPECT_EQ(w.y, inf);
}

TEST(vec3, normalize_in_place_table) {
    const float tiny = 1e-30f;  // squared length underflows to 0
    struct row {
        vec3 in;
        float returned;
        vec3 after;
        float tol;
    };
    const row rows[] = {
        {{0, 0, 0}, 0.0f, {0, 0, 0}, 0},
        {{3, 0, 4}, 5.0f, {0.6f, 0, 0.8f}, 1e-7f},
        {{0, -2, 0}, 2.0f, {0, -1, 0}, 0},
        {{tiny, 0, 0}, 0.0f, {tiny, 0, 0}, 0},
        {{qnan, 1, 1}, 0.0f, {qnan, 1, 1}, 0},
        {{undefined_value, 0, 0}, 0.0f, {undefined_value, 0, 0}, 0},
        {{inf, 0, 0}, inf, {qnan, 0, 0}, 0},  // multiplied by 1/inf = 0
        // Finite components whose squared length overflows still become unit length.
        {{1e38f, 1e38f, 0}, 1.41421356e38f, {0.70710678f, 0.70710678f, 0}, 1e-7f},
        {{-3e38f, 0, 3e38f}, inf, {-0.70710678f, 0, 0.70710678f}, 1e-7f},
    };
    for (const row& r : rows) {
        vec3 v = r.in;
        const float len = normalize(v);
        SCOPED_TRACE(::testing::Message() << r.in);
        EXPECT_TRUE(same_within(len, r.returned, r.returned * 1e-7f));
        EXPECT_TRUE(near(v, r.after, r.tol));
    }
}

TEST(vec3, normalized_copy_table) {
    struct row {
        vec3 in, want;
        float tol;
    };
    const row rows[] = {
        {{0, 0, 0}, {0, 0, 0}, 0},
        {{0, 0, 2}, {0, 0, 1}, 0},
        {{3, 0, 4}, {0.6f, 0, 0.8f}, 1e-7f},
        {{qnan, 0, 0}, {qnan, 0, 0}, 0},
        {{1e38f, 1e38f, 0}, {0.70710678f, 0.70710678f, 0}, 1e-7f},
    };
    for (const row& r : rows) EXPECT_TRUE(near(normalized(r.in), r.want, r.tol)) << r.in;
    // A squared length that underflows to 0 leaves the vector as it is.
    EXPECT_TRUE(near(normalized(vec3(1e-30f, 0, 0)), vec3(1e-30f, 0, 0), 0));
}

TEST(vec3, normalize_property_over_random_vectors) {
    random_source rng;
    for (int i = 0; i < 5000; ++i) {
        const float scale = std::pow(10.0f, rng.uniform(-15.0f, 37.5f));
        const vec3 in = rng.vector(-1, 1) * scale;
        vec3 v = in;
        const float len = normalize(v);
        if (len == 0.0f) continue;
        ASSERT_NEAR(length(v), 1.0f, 2e-7f) << in;
        ASSERT_TRUE(near(v * len, in, std::fabs(len) * 4e-7f)) << in;
        ASSERT_TRUE(near(normalized(in), v, 1.2e-7f)) << in;
    }
}

TEST(vec3, is_defined_checks_every_component) {
    EXPECT_TRUE(is_defined(vec3(0, inf, qnan)));
    EXPECT_FALSE(is_defined(vec3(undefined_value, 0, 0)));
    EXPECT_FALSE(is_defined(vec3(0, 0, undefined_value)));
    EXPECT_FALSE(is_defined(vec2(0, undefined_value)));
    EXPECT_TRUE(is_defined(vec2(1, 2)));
    EXPECT_FALSE(is_defined(vec4(0, 0, 0, undefined_value)));
}

TEST(vec2, length_and_to_polar_table) {
    const float r2 = std::sqrt(2.0f);
    struct row {
        vec2 in, want;
    };
    const row rows[] = {
        {{0, 0}, {0, 0}},
        {{1, 0}, {0, 1}},
        {{-1, 0}, {pi, 1}},
        {{0, 1}, {pi / 2, 1}},
        {{0, -1}, {3 * pi / 2, 1}},           // acos branch, raised to the lower half
        {{1, -1}, {7 * pi / 4, r2}},          // asin branch plus 2 pi
        {{-1, 1}, {3 * pi / 4, r2}},          // asin branch, mirrored by pi - angle
        {{-2, -1}, {pi + std::atan(0.5f), std::sqrt(5.0f)}},
        {{0.5f, 3}, {std::atan2(3.0f, 0.5f), std::sqrt(9.25f)}},
    };
    for (const row& r : rows) {
        const vec2 p = to_polar(r.in);
        EXPECT_TRUE(near(p, r.want, 3e-7f)) << r.in.x << ", " << r.in.y;
        EXPECT_GE(p.x, 0.0f);
        EXPECT_LT(p.x, 2 * pi);
    }
    EXPECT_EQ(length(vec2(3, 4)), 5.0f);
    // A NaN has no radius above 0.
    EXPECT_TRUE(near(to_polar(vec2(qnan, 1)), vec2(0, 0), 0));
}

TEST(vec2, is_in_rect_table) {
    const int_rect r{0, 0, 10, 10};
    struct row {
        vec2 p;
        bool inside;
    };
    const row rows[] = {
        {{0, 0}, true},      {{9.99f, 9.99f}, true}, {{10, 5}, false}, {{5, 10}, false},
        {{-0.01f, 5}, false}, {{5, -0.01f}, false},   {{qnan, 5}, false}, {{5, qnan}, false},
    };
    for (const row& c : rows) EXPECT_EQ(c.p.is_in_rect(r), c.inside) << c.p.x << ", " << c.p.y;
    EXPECT_TRUE(vec2(-5, 7).is_in_rect({-10, 5, -4, 8}));
    EXPECT_FALSE(vec2(0, 0).is_in_rect({0, 0, 0, 0}));
}
