// Conversions between RGB, HSV and CMY.

#include "math/colour.h"
#include "math/constants.h"
#include "math_test_support.h"

#include <cmath>

using namespace math_test;

static_assert(static_cast<vec3>(cmy(0, 0.25f, 1)).y == 0.75f);

namespace {
::testing::AssertionResult near(const hsv& a, const hsv& b, float tol) {
    return math_test::near(vec3(a.h, a.s, a.v), vec3(b.h, b.s, b.v), tol);
}
}  // namespace

TEST(colour, rgb_to_hsv_table) {
    const hsv prev(0.3f, 0.8f, 0.1f);
    struct row {
        const char* what;
        vec3 rgb;
        hsv want;
    };
    const row rows[] = {
        {"red", {1, 0, 0}, {0, 1, 1}},
        {"green", {0, 1, 0}, {1.0f / 3, 1, 1}},
        {"blue", {0, 0, 1}, {2.0f / 3, 1, 1}},
        {"magenta, wrapped", {1, 0, 1}, {5.0f / 6, 1, 1}},
        {"rose, wrapped", {1, 0, 0.5f}, {1.0f - 1.0f / 12, 1, 1}},
        {"yellow, red wins the tie", {1, 1, 0}, {1.0f / 6, 1, 1}},
        {"cyan, green wins the tie", {0, 1, 1}, {0.5f, 1, 1}},
        {"dark orange", {0.5f, 0.25f, 0}, {1.0f / 12, 1, 0.5f}},
        {"pale", {0.8f, 0.4f, 0.6f}, {1.0f - 1.0f / 12, 0.5f, 0.8f}},
        {"grey keeps the hue", {0.5f, 0.5f, 0.5f}, {0.3f, 0, 0.5f}},
        {"black keeps hue and saturation", {0.0001f, 0, 0}, {0.3f, 0.8f, 0.0001f}},
        // Not clamped: s = 1.5, h = (bc - gc) / 6 + 1 = (2/3 - 1) / 6 + 1 = 17/18.
        {"negative channel", {1, -0.5f, 0}, {17.0f / 18, 1.5f, 1}},
    };
    for (const row& r : rows) EXPECT_TRUE(near(hsv(r.rgb, prev), r.want, 2e-7f)) << r.what;

    hsv h(0.6f, 0.5f, 0.5f);
    EXPECT_EQ(&(h = rgb_grey50), &h);
    EXPECT_TRUE(near(h, hsv(0.6f, 0, 0.5f), 0));
    h = rgb_red;
    EXPECT_TRUE(near(h, hsv(0, 1, 1), 0));
}

TEST(colour, hsv_to_rgb_table) {
    struct row {
        const char* what;
        hsv in;
        vec3 want;
    };
    const row rows[] = {
        {"red", {0, 1, 1}, {1, 0, 0}},
        {"green", {1.0f / 3, 1, 1}, {0, 1, 0}},
        {"hue 1 is red", {1.0f, 1, 1}, {1, 0, 0}},
        {"hue above 1 is red", {7.5f, 1, 1}, {1, 0, 0}},
        {"grey below the threshold", {0.5f, 0.0001f, 0.8f}, {0.8f, 0.8f, 0.8f}},
        {"negative hue above -1/6", {-0.1f, 1, 1}, {1, -0.6f, 0}},
        {"sector 1", {0.25f, 1, 1}, {0.5f, 1, 0}},
        {"sector 3", {0.5f + 1.0f / 12, 1, 1}, {0, 0.5f, 1}},
        {"sector 4", {0.75f, 1, 1}, {0.5f, 0, 1}},
        {"sector 5", {11.0f / 12, 1, 1}, {1, 0, 0.5f}},
        {"half saturation", {0, 0.5f, 0.8f}, {0.8f, 0.4f, 0.4f}},
    };
    for (const row& r : rows) EXPECT_TRUE(near(static_cast<vec3>(r.in), r.want, 3e-7f)) << r.what;
}

TEST(colour, hue_without_a_sector_gives_the_undefined_value) {
    for (float h : {-1.0f / 6, -0.5f, -1e30f, -inf, qnan, undefined_value}) {
        const vec3 rgb = static_cast<vec3>(hsv(h, 1, 1));
        EXPECT_FALSE(is_defined(rgb.x)) << h;
        EXPECT_FALSE(is_defined(rgb.y)) << h;
        EXPECT_FALSE(is_defined(rgb.z)) << h;
    }
    // Just above -1/6 there is still a colour.
    EXPECT_TRUE(is_defined(static_cast<vec3>(hsv(-0.16f, 1, 1))));
}

TEST(colour, hsv_round_trip_property) {
    random_source rng;
    for (int n = 0; n < 5000; ++n) {
        const vec3 rgb = rng.vector(0, 1);
        const hsv h(rgb, hsv(0, 0, 0));
        ASSERT_GE(h.h, 0.0f);
        ASSERT_LT(h.h, 1.0f);
        ASSERT_TRUE(near(static_cast<vec3>(h), rgb, 2e-6f)) << rgb;
        // And from HSV: hue and saturation survive where they are defined.
        const hsv in(rng.uniform(0, 0.999f), rng.uniform(0.01f, 1), rng.uniform(0.05f, 1));
        const hsv back(static_cast<vec3>(in), hsv(0, 0, 0));
        ASSERT_TRUE(near(back, in, 2e-5f)) << in.h << ' ' << in.s << ' ' << in.v;
    }
}

TEST(colour, cmy_to_rgb) {
    EXPECT_TRUE(near(static_cast<vec3>(cmy(0, 0.25f, 1)), {1, 0.75f, 0}, 0));
    EXPECT_TRUE(near(static_cast<vec3>(cmy(1, 1, 1)), rgb_black, 0));
    random_source rng;
    for (int n = 0; n < 1000; ++n) {
        const vec3 rgb = rng.vector(0, 1);
        ASSERT_TRUE(near(static_cast<vec3>(cmy(1 - rgb.x, 1 - rgb.y, 1 - rgb.z)), rgb, 6e-8f));
    }
}
