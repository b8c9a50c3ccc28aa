// Conversions between quaternions, matrices, Euler angles and pairs of directions.

#include "math/constants.h"
#include "math/rotation.h"
#include "math/transforms.h"
#include "math_test_support.h"

#include <cmath>

using namespace math_test;

namespace {
quat turn(float angle, vec3 axis) { return quat(std::cos(angle / 2), axis * -std::sin(angle / 2)); }

vec3 apply(const quat& q, const vec3& v) { return transform_point(v, mat4(q)); }

// Rx * Ry * Rz written out from the elementary matrices, in double.
mat4 euler_matrix_reference(const vec3& e) {
    const double cx = std::cos(e.x), sx = std::sin(e.x), cy = std::cos(e.y), sy = std::sin(e.y);
    const double cz = std::cos(e.z), sz = std::sin(e.z);
    const auto f = [](double v) { return static_cast<float>(v); };
    return {f(cy * cz), f(cy * sz), f(-sy), 0,
            f(sx * sy * cz - cx * sz), f(sx * sy * sz + cx * cz), f(sx * cy), 0,
            f(cx * sy * cz + sx * sz), f(cx * sy * sz - sx * cz), f(cx * cy), 0,
            0, 0, 0, 1};
}
}  // namespace

TEST(rotation, matrix_of_a_quaternion) {
    EXPECT_TRUE(identical(mat4(quat_identity), mat4_identity));
    EXPECT_TRUE(identical(mat4(quat(2, 0, 0, 0)), mat4_identity));
    // A quarter turn about +z takes +x to +y; about +x takes +y to +z; about +y takes +z to +x.
    EXPECT_TRUE(near(apply(turn(pi / 2, {0, 0, 1}), {1, 0, 0}), {0, 1, 0}, 1e-7f));
    EXPECT_TRUE(near(apply(turn(pi / 2, {1, 0, 0}), {0, 1, 0}), {0, 0, 1}, 1e-7f));
    EXPECT_TRUE(near(apply(turn(pi / 2, {0, 1, 0}), {0, 0, 1}), {1, 0, 0}, 1e-7f));
    // Any non-zero length gives the matrix of the unit quaternion.
    const quat q(1, 2, -3, 0.5f);
    EXPECT_TRUE(near(mat4(q * 1.0f), mat4(normalized(q)), 2e-7f));
    EXPECT_TRUE(near(mat4(quat(3, 6, -9, 1.5f)), mat4(normalized(q)), 2e-7f));

    const mat4 z = mat4(quat(0, 0, 0, 0));
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) EXPECT_TRUE(std::isnan(z[i][j]));
        EXPECT_EQ(z[i][3], 0.0f);
    }
    EXPECT_TRUE(near(z[3], vec4(0, 0, 0, 1), 0));

    random_source rng;
    for (int n = 0; n < 1000; ++n) {
        const quat p = rng.unit_quat(), r = rng.unit_quat();
        ASSERT_TRUE(near(mat4(p * r), mat4(p) * mat4(r), 4e-7f));
        ASSERT_TRUE(near(mat4(p), mat4(-p), 0));
        ASSERT_TRUE(near(mat4(p) * mat4(p.inverse()), mat4_identity, 4e-7f));
    }
}

TEST(rotation, quat_from_euler) {
    for (float theta : {0.3f, pi / 2, -2.0f}) {
        EXPECT_TRUE(near(quat_from_euler({0, 0, theta}), quat(std::cos(theta / 2), 0, 0, -std::sin(theta / 2)), 2.5e-7f));
        EXPECT_TRUE(near(quat_from_euler({theta, 0, 0}), quat(std::cos(theta / 2), -std::sin(theta / 2), 0, 0), 2.5e-7f));
    }
    EXPECT_TRUE(near(apply(quat_from_euler({0, 0, pi / 2}), {1, 0, 0}), {0, 1, 0}, 1e-7f));

    random_source rng;
    for (int n = 0; n < 2000; ++n) {
        const vec3 e = rng.vector(-7, 7);
        ASSERT_TRUE(near(mat4(quat_from_euler(e)), euler_matrix_reference(e), 5e-7f)) << e;
        ASSERT_TRUE(near(rotation_from_euler(e), euler_matrix_reference(e), 5e-7f)) << e;
        // The half angles share one argument; the result is that of the literal form
        // with sin(-a/2) and cos(a/2).
        const auto literal = [](float a, int axis) {
            vec3 v(0, 0, 0);
            v[axis] = static_cast<float>(std::sin(double(-a / 2)));
            return quat(static_cast<float>(std::cos(double(a / 2))), v);
        };
        const quat want = (literal(e.x, 0) * literal(e.y, 1)) * literal(e.z, 2);
        const quat got = quat_from_euler(e);
        ASSERT_EQ(bits(got.w), bits(want.w));
        ASSERT_EQ(bits(got.x), bits(want.x));
        ASSERT_EQ(bits(got.y), bits(want.y));
        ASSERT_EQ(bits(got.z), bits(want.z));
    }
}

TEST(rotation, euler_round_trips) {
    random_source rng;
    for (int n = 0; n < 2000; ++n) {
        const vec3 e = rng.principal_angles();
        vec3 back;
        ASSERT_TRUE(quat_from_euler(e).to_euler(back));
        ASSERT_TRUE(near(back, e, 2e-5f)) << e;
        // quat -> matrix -> quat gives the same rotation.
        const quat q = rng.unit_quat();
        ASSERT_TRUE(same_rotation(quat_from_matrix(mat4(q)), q, 3e-5f)) << q;
    }
}

TEST(rotation, quat_from_matrix_ignores_scale_shear_and_translation) {
    random_source rng;
    for (int n = 0; n < 500; ++n) {
        const quat q = rng.unit_quat();
        const mat4 m = scaling(rng.vector(0.5f, 4)) * mat4(q) * translation(rng.vector(-9, 9));
        ASSERT_TRUE(same_rotation(quat_from_matrix(m), q, 3e-5f)) << q;
    }
    EXPECT_TRUE(same_rotation(quat_from_matrix(scaling(vec3(2, 3, 4)) * translation({1, 2, 3})), quat_identity, 0));
}

TEST(rotation, between_two_directions_table) {
    const float h = std::sqrt(0.5f);
    struct row {
        const char* what;
        vec3 from, to;
    };
    const row rows[] = {
        {"x to y", {1, 0, 0}, {0, 1, 0}},
        {"y to z", {0, 1, 0}, {0, 0, 1}},
        {"diagonal", {h, h, 0}, {0, 0, 1}},
        {"near", {1, 0, 0}, {0.999f, 0.0447101f, 0}},
        // Opposite directions: a half turn about a perpendicular axis.
        {"x to -x", {1, 0, 0}, {-1, 0, 0}},
        {"y to -y", {0, -1, 0}, {0, 1, 0}},
        {"z to -z", {0, 0, 1}, {0, 0, -1}},
        {"diagonal opposite", {h, h, 0}, {-h, -h, 0}},
        {"skew opposite", {0.48f, -0.6f, 0.64f}, {-0.48f, 0.6f, -0.64f}},
    };
    for (const row& r : rows) {
        const quat q = rotation_between(r.from, r.to);
        EXPECT_TRUE(near(apply(q, r.from), r.to, 2e-6f)) << r.what;
        EXPECT_TRUE(near(transform_point(r.from, rotation_matrix_between(r.from, r.to)), r.to, 2e-6f)) << r.what;
    }
    EXPECT_TRUE(near(rotation_between({1, 0, 0}, {0, 1, 0}), quat(1, 0, 0, -1), 0));
    EXPECT_TRUE(near(rotation_between({0, 0, 1}, {0, 0, 1}), quat(1, 0, 0, 0), 0));
    // The half turn for opposite directions uses the axis after the one `from` lies
    // on, as rotation_to_x/y/z do: about y for x, about z for y, about x for z.
    EXPECT_TRUE(same_rotation(rotation_between({-1, 0, 0}, {1, 0, 0}), quat(0, 0, 1, 0), 0));
    EXPECT_TRUE(same_rotation(rotation_between({0, 1, 0}, {0, -1, 0}), quat(0, 0, 0, 1), 0));
    EXPECT_TRUE(same_rotation(rotation_between({0, 0, -1}, {0, 0, 1}), quat(0, 1, 0, 0), 0));
    EXPECT_TRUE(near(rotation_matrix_between({-1, 0, 0}, {1, 0, 0}), rotation_to_x({-1, 0, 0}), 1e-6f));
    EXPECT_TRUE(near(rotation_between({0, 0, 0}, {1, 0, 0}), quat(1, 0, 0, 0), 0));

    random_source rng;
    for (int n = 0; n < 2000; ++n) {
        const vec3 from = rng.unit_vector();
        const vec3 to = n % 4 == 0 ? -from : rng.unit_vector();
        ASSERT_TRUE(near(apply(rotation_between(from, to), from), to, 5e-6f)) << from << to;
    }
}

TEST(rotation, between_two_directions_about_an_axis) {
    const vec3 z(0, 0, 1);
    struct row {
        const char* what;
        vec3 from, to;
        bool constrain;
        quat want;
        float tol;
    };
    const row rows[] = {
        {"opposite, free", {1, 0, 0}, {-1, 0, 0}, false, {0, 0, 0, 1}, 0},
        {"equal, free", {1, 0, 0}, {1, 0, 0}, false, {1, 0, 0, 0}, 0},
        {"quarter, free", {1, 0, 0}, {0, 1, 0}, false, {1, 0, 0, -1}, 0},
        {"same projection", {1, 0, 1}, {1, 0, -1}, true, {2, 0, 0, 0}, 0},
        {"opposite, constrained", {1, 0, 0}, {-1, 0, 0}, true, {0, 0, 0, 1}, 0},
        {"quarter, constrained", {1, 0, 0.5f}, {0, 1, -3}, true, {1, 0, 0, -1}, 0},
        {"quarter back, constrained", {0, 1, -3}, {1, 0, 0.5f}, true, {1, 0, 0, 1}, 0},
    };
    for (const row& r : rows) {
        EXPECT_TRUE(near(rotation_between(r.from, r.to, z, r.constrain), r.want, r.tol)) << r.what;
    }
    // Constrained: the result turns about the axis and carries the projection of from
    // onto that of to.
    random_source rng;
    for (int n = 0; n < 1000; ++n) {
        const vec3 axis = rng.unit_vector(), from = rng.unit_vector(), to = rng.unit_vector();
        const quat q = rotation_between(from, to, axis, true);
        const vec3 f = normalized(from - axis * dot(from, axis));
        const vec3 t = normalized(to - axis * dot(to, axis));
        ASSERT_TRUE(near(apply(q, f), t, 5e-5f));
        ASSERT_TRUE(near(apply(q, axis), axis, 5e-6f));
    }
}

TEST(rotation, forward_point_and_rotate_by) {
    EXPECT_TRUE(near(quat(1, 0, 0, 0).forward_point(5), {0, 0, -5}, 0));
    // A quarter turn about +y takes -z to -x.
    EXPECT_TRUE(near(turn(pi / 2, {0, 1, 0}).forward_point(2), {-2, 0, 0}, 3e-7f));

    random_source rng;
    for (int n = 0; n < 500; ++n) {
        const quat q = rng.unit_quat(), r = rng.unit_quat();
        quat a = q;
        a.rotate_by(mat4_identity);
        ASSERT_TRUE(same_rotation(a, q, 3e-5f));
        // q's rotation first, then the rotation of the matrix; its scale and
        // translation do not count.
        quat b = q;
        b.rotate_by(scaling(2.0f) * mat4(r) * translation({1, 2, 3}));
        ASSERT_TRUE(same_rotation(b, q * r, 3e-5f));
    }
}
