// Builders of mat4 transforms.

#include "math/constants.h"
#include "math/rotation.h"
#include "math/transforms.h"
#include "math_test_support.h"

#include <cmath>

using namespace math_test;

static_assert(scaling(vec3(2, 3, 4))[2][2] == 4.0f && scaling(2.0f)[3][3] == 1.0f);
static_assert(shearing(vec3(1, 2, 3))[1][0] == 3.0f && shearing(vec3(1, 2, 3))[2][1] == 1.0f);
static_assert(scaling_about(vec3(1, 1, 1), vec3(2, 2, 2))[3][0] == -1.0f);

namespace {
vec3 point(const mat4& m, const vec3& p) { return transform_point(p, m); }
}  // namespace

TEST(transforms, point_mappings_table) {
    struct row {
        const char* what;
        mat4 m;
        vec3 p, want;
        float tol;
    };
    const row rows[] = {
        {"translation", translation({10, 0, 0}), {1, 2, 3}, {11, 2, 3}, 0},
        {"uniform scaling", scaling(3.0f), {1, -2, 3}, {3, -6, 9}, 0},
        {"scaling", scaling(vec3(2, 3, 4)), {1, 1, 1}, {2, 3, 4}, 0},
        {"scaling about, centre", scaling_about({1, 1, 1}, {2, 2, 2}), {1, 1, 1}, {1, 1, 1}, 0},
        {"scaling about", scaling_about({1, 1, 1}, {2, 2, 2}), {2, 1, 1}, {3, 1, 1}, 0},
        {"scaling along z", scaling_along({0, 0, 0}, {0, 0, 5}, 3), {1, 2, 3}, {1, 2, 9}, 1e-6f},
        {"scaling along x", scaling_along({0, 0, 0}, {1, 0, 0}, 3), {1, 0, 0}, {3, 0, 0}, 1e-6f},
        {"scaling along x, y stays", scaling_along({0, 0, 0}, {1, 0, 0}, 3), {0, 1, 0}, {0, 1, 0}, 1e-6f},
        {"scaling along, centre", scaling_along({1, 2, 3}, {0, 1, 0}, 2), {1, 3, 3}, {1, 4, 3}, 2e-6f},
        {"scaling along zero direction", scaling_along({0, 0, 0}, {0, 0, 0}, 2), {1, 1, 1}, {1, 1, 2}, 0},
        {"shear xy", shearing({0, 0, 2}), {0, 1, 0}, {2, 1, 0}, 0},
        {"shear all", shearing({1, 2, 3}), {1, 1, 1}, {6, 2, 1}, 0},
        {"axis z, quarter", rotation_about_axis({0, 0, 1}, pi / 2), {1, 0, 0}, {0, 1, 0}, 1e-7f},
        {"axis x, quarter", rotation_about_axis({1, 0, 0}, pi / 2), {0, 1, 0}, {0, 0, 1}, 1e-7f},
        {"axis y, quarter", rotation_about_axis({0, 1, 0}, pi / 2), {0, 0, 1}, {1, 0, 0}, 1e-7f},
        {"euler x", rotation_from_euler({pi / 2, 0, 0}), {0, 1, 0}, {0, 0, 1}, 1e-7f},
        {"euler z", rotation_from_euler({0, 0, pi / 2}), {1, 0, 0}, {0, 1, 0}, 1e-7f},
        {"euler x then z", rotation_from_euler({pi / 2, 0, pi / 2}), {0, 1, 0}, {0, 0, 1}, 1e-7f},
        {"euler x then z, x", rotation_from_euler({pi / 2, 0, pi / 2}), {1, 0, 0}, {0, 1, 0}, 1e-7f},
        {"about a point", rotation_about_point({1, 0, 0}, {0, 0, 1}, pi), {2, 0, 0}, {0, 0, 0}, 2e-7f},
        {"about a point, c s", rotation_about_point({1, 0, 0}, {0, 0, 1}, 0.0f, 1.0f), {2, 0, 0}, {1, 1, 0}, 0},
        {"about a point, quat", rotation_about_point({0, 1, 0}, quat(0, 0, 0, 1)), {1, 1, 0}, {-1, 1, 0}, 0},
        {"about a point, from to", rotation_about_point({0, 0, 1}, {1, 0, 0}, {0, 1, 0}), {1, 0, 1}, {0, 1, 1}, 2e-7f},
        {"to x", rotation_to_x({0, 1, 0}), {0, 1, 0}, {1, 0, 0}, 1e-7f},
        {"to y", rotation_to_y({0, 0, 2}), {0, 0, 1}, {0, 1, 0}, 1e-7f},
        {"to z", rotation_to_z({3, 0, 0}), {1, 0, 0}, {0, 0, 1}, 1e-7f},
    };
    for (const row& r : rows) EXPECT_TRUE(near(point(r.m, r.p), r.want, r.tol)) << r.what;
}

TEST(transforms, axis_rotation_special_cases) {
    // The axis is normalised.
    EXPECT_TRUE(identical(rotation_about_axis({0, 0, 5}, pi / 2), rotation_about_axis({0, 0, 1}, pi / 2)));
    // A zero axis leaves the diagonal (c, c, c, 1).
    EXPECT_TRUE(near(rotation_about_axis({0, 0, 0}, 0.5f, 0.25f), scaling(0.5f), 0));
    // c and s are used as given.
    EXPECT_TRUE(near(rotation_about_axis({0, 0, 1}, 2.0f, 0.0f), scaling(vec3(2, 2, 1)), 0));
    EXPECT_TRUE(identical(rotation_about_axis({1, 2, 3}, 0.7f),
                          rotation_about_axis({1, 2, 3}, std::cos(0.7f), std::sin(0.7f))));

    // A rotation matrix equals the matrix of the quaternion of the same turn.
    random_source rng;
    for (int n = 0; n < 1000; ++n) {
        const vec3 axis = rng.unit_vector();
        const float angle = rng.uniform(-6, 6);
        const quat q(std::cos(angle / 2), axis * -std::sin(angle / 2));
        ASSERT_TRUE(near(rotation_about_axis(axis, angle), mat4(q), 1e-6f));
        ASSERT_TRUE(near(rotation_about_point(axis, axis, angle), mat4(q), 1e-6f));
    }
}

TEST(transforms, rotations_onto_an_axis) {
    const mat4 half_y = rotation_about_axis({0, 1, 0}, pi);
    EXPECT_TRUE(near(half_y, mat4(-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1), 1e-7f));
    struct row {
        const char* what;
        mat4 got, want;
    };
    const row rows[] = {
        {"x of -x", rotation_to_x({-2, 0, 0}), half_y},
        {"x of x", rotation_to_x({3, 0, 0}), mat4_identity},
        {"x of zero", rotation_to_x({0, 0, 0}), mat4_identity},
        {"z of -z", rotation_to_z({0, 0, -1}), rotation_about_axis({1, 0, 0}, pi)},
        {"y of -y", rotation_to_y({0, -1, 0}), rotation_about_axis({0, 0, 1}, pi)},
        {"y of y", rotation_to_y({0, 4, 0}), mat4_identity},
    };
    for (const row& r : rows) EXPECT_TRUE(identical(r.got, r.want)) << r.what;

    random_source rng;
    for (int n = 0; n < 1000; ++n) {
        const vec3 d = rng.vector(-3, 3);
        const vec3 u = normalized(d);
        ASSERT_TRUE(near(point(rotation_to_x(d), u), {1, 0, 0}, 2e-6f)) << d;
        ASSERT_TRUE(near(point(rotation_to_y(d), u), {0, 1, 0}, 2e-6f)) << d;
        ASSERT_TRUE(near(point(rotation_to_z(d), u), {0, 0, 1}, 2e-6f)) << d;
        // Scaling along a direction stretches only that direction.
        const mat4 s = scaling_along({1, -1, 2}, d, 2.5f);
        const vec3 c(1, -1, 2);
        ASSERT_TRUE(near(point(s, c + u), c + u * 2.5f, 1e-5f)) << d;
        const vec3 across = normalized(cross(u, rng.unit_vector()));
        ASSERT_TRUE(near(point(s, c + across), c + across, 1e-5f)) << d;
    }
}

TEST(transforms, composition_order_is_left_to_right) {
    // Scale, then translate: the translation is not scaled.
    EXPECT_TRUE(near(point(scaling(2.0f) * translation({1, 0, 0}), {1, 1, 1}), {3, 2, 2}, 0));
    // Rotate about x, then about z, as the Euler builder does.
    const mat4 e = rotation_from_euler({0.3f, -0.4f, 1.2f});
    const mat4 steps = rotation_about_axis({1, 0, 0}, 0.3f) * rotation_about_axis({0, 1, 0}, -0.4f) *
                       rotation_about_axis({0, 0, 1}, 1.2f);
    EXPECT_TRUE(near(e, steps, 2e-7f));
}
