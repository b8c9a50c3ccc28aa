// The library constants: values, bit patterns and availability during static
// initialisation of another translation unit.

#include "math/constants.h"
#include "math/float4x4.h"
#include "math/transforms.h"
#include "math_test_support.h"

#include <cmath>

using namespace math_test;

// Filled by the dynamic initialiser of constants_static_reader.cpp.
struct constants_seen_at_startup {
    mat4 identity, zero;
    vec4 grey85;
    quat quat_one;
    float4x4 identity4x4;
    bool ran;
};
extern constants_seen_at_startup constants_at_startup;

// Constant initialisation: every one is usable at compile time.
static_assert(mat4_identity[2][2] == 1.0f && mat4_zero[3][3] == 0.0f);
static_assert(rgba_grey85.w == 1.0f && rgb_grey85.x == 0.85f);
static_assert(quat_identity == quat(1, 0, 0, 0));
static_assert(float4x4_identity(3, 3) == 1.0f && float4x4_zero(0, 0) == 0.0f);
static_assert(translation(vec3(1, 2, 3))[3][0] == 1.0f);

TEST(constants, colour_palette_table) {
    struct row {
        const char* name;
        vec3 rgb;
        vec4 rgba;
        float r, g, b;
    };
    const row rows[] = {
        {"black", rgb_black, rgba_black, 0, 0, 0},          {"grey25", rgb_grey25, rgba_grey25, 0.25f, 0.25f, 0.25f},
        {"grey50", rgb_grey50, rgba_grey50, 0.5f, 0.5f, 0.5f}, {"grey85", rgb_grey85, rgba_grey85, 0.85f, 0.85f, 0.85f},
        {"white", rgb_white, rgba_white, 1, 1, 1},          {"red", rgb_red, rgba_red, 1, 0, 0},
        {"green", rgb_green, rgba_green, 0, 1, 0},          {"blue", rgb_blue, rgba_blue, 0, 0, 1},
        {"yellow", rgb_yellow, rgba_yellow, 1, 1, 0},       {"magenta", rgb_magenta, rgba_magenta, 1, 0, 1},
        {"cyan", rgb_cyan, rgba_cyan, 0, 1, 1},
    };
    for (const row& c : rows) {
        EXPECT_TRUE(near(c.rgb, vec3(c.r, c.g, c.b), 0)) << c.name;
        EXPECT_TRUE(near(c.rgba, vec4(c.r, c.g, c.b, 1), 0)) << c.name;
    }
    for (float v : {rgba_grey85.x, rgba_grey85.y, rgba_grey85.z}) EXPECT_EQ(bits(v), 0x3F59999Au);
    EXPECT_EQ(bits(rgba_grey85.w), 0x3F800000u);
    EXPECT_EQ(bits(rgb_grey25.x), 0x3E800000u);
    EXPECT_EQ(bits(rgb_grey50.y), 0x3F000000u);
}

TEST(constants, matrices_and_quaternions) {
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(bits(mat4_identity[i][j]), bits(i == j ? 1.0f : 0.0f));
            EXPECT_EQ(bits(mat4_zero[i][j]), 0u);
            EXPECT_EQ(bits(float4x4_identity(i, j)), bits(mat4_identity[i][j]));
            EXPECT_EQ(bits(float4x4_zero(i, j)), bits(mat4_zero[i][j]));
        }
    }
    EXPECT_TRUE(quat_identity == quat(1, 0, 0, 0));
    EXPECT_TRUE(quat_zero == quat(0, 0, 0, 0));
    EXPECT_TRUE(identical(mat4(quat_identity), mat4_identity));
}

TEST(constants, builders_leave_the_identity_unchanged) {
    const mat4 first = scaling(vec3(2, 3, 4)) * translation({1, 2, 3});
    const mat4 second = scaling(vec3(2, 3, 4)) * translation({1, 2, 3});
    EXPECT_TRUE(identical(first, second));
    EXPECT_TRUE(identical(translation({0, 0, 0}), mat4_identity));
}

TEST(constants, hold_their_values_during_static_initialisation) {
    ASSERT_TRUE(constants_at_startup.ran);
    EXPECT_TRUE(identical(constants_at_startup.identity, mat4_identity));
    EXPECT_TRUE(identical(constants_at_startup.zero, mat4_zero));
    EXPECT_TRUE(near(constants_at_startup.grey85, rgba_grey85, 0));
    EXPECT_TRUE(constants_at_startup.quat_one == quat_identity);
    EXPECT_TRUE(near(constants_at_startup.identity4x4, float4x4_identity, 0));
}
