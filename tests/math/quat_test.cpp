// quat: construction, arithmetic, the normalised product, inverse and division.

#include "math/constants.h"
#include "math/quat.h"
#include "math_test_support.h"

#include <cmath>

using namespace math_test;

static_assert(sizeof(quat) == 16 && offsetof(quat, w) == 0 && offsetof(quat, z) == 12);
static_assert(quat(1, 2, 3, 4) / 2.0f == quat(0.5f, 1, 1.5f, 2));
static_assert(quat(2).inverse() == quat(0.5f, 0, 0, 0));
static_assert(!is_defined(quat::undefined()) && is_defined(quat()));

namespace {
// The turn by angle about a unit axis, in the library's sign convention.
quat turn(float angle, vec3 axis) {
    return quat(std::cos(angle / 2), axis * -std::sin(angle / 2));
}
}  // namespace

TEST(quat, construction) {
    const quat unset;
    EXPECT_TRUE(std::isnan(unset.w));
    EXPECT_EQ(bits(unset.w), bits(qnan));
    EXPECT_TRUE(near(quat(unset.x, unset.y, unset.z, 0), quat(0, 0, 0, 0), 0));
    EXPECT_TRUE(near(quat(3), quat(3, 0, 0, 0), 0));
    EXPECT_TRUE(near(quat(1, vec3(2, 3, 4)), quat(1, 2, 3, 4), 0));
    const quat u = quat::undefined();
    for (float c : {u.w, u.x, u.y, u.z}) EXPECT_EQ(bits(c), bits(undefined_value));
}

TEST(quat, componentwise_arithmetic) {
    const quat p(1, 2, 3, 4), r(0.5f, -1, 2, 8);
    struct row {
        const char* what;
        quat got, want;
    };
    const row rows[] = {
        {"p * 2", p * 2.0f, {2, 4, 6, 8}},
        {"p / 2", p / 2.0f, {0.5f, 1, 1.5f, 2}},
        {"p + r", p + r, {1.5f, 1, 5, 12}},
        {"p - r", p - r, {0.5f, 3, 1, -4}},
        {"-q", -quat(1, -2, 3, -4), {-1, 2, -3, 4}},
    };
    for (const row& c : rows) EXPECT_TRUE(near(c.got, c.want, 0)) << c.what;

    quat q = p;
    EXPECT_EQ(&(q *= 2.0f), &q);
    EXPECT_EQ(&(q /= 2.0f), &q);
    EXPECT_EQ(&(q += r), &q);
    EXPECT_EQ(&(q -= r), &q);
    EXPECT_TRUE(near(q, p, 0));
    // Division is a true division per component, not a product with 1/k.
    EXPECT_EQ(bits((quat(3, 6, 9, 0.1f) / 3.0f).x), bits(6.0f / 3.0f));
    EXPECT_EQ(bits((quat(0.1f, 0, 0, 0) / 3.0f).w), bits(0.1f / 3.0f));
}

TEST(quat, equality_is_the_float_comparison) {
    EXPECT_TRUE(quat(0, 0, 0, 0) == quat(-0.0f, 0, 0, 0));
    EXPECT_FALSE(quat(1, 2, 3, 4) != quat(1, 2, 3, 4));
    EXPECT_TRUE(quat(1, 2, 3, 4) != quat(1, 2, 3, 5));
    const quat unset;
    EXPECT_FALSE(unset == unset);
    EXPECT_TRUE(unset != unset);
}

TEST(quat, is_defined_checks_each_component) {
    EXPECT_TRUE(is_defined(quat()));
    EXPECT_FALSE(is_defined(quat::undefined()));
    const float u = undefined_value;
    for (const quat& q : {quat(u, 0, 0, 0), quat(0, u, 0, 0), quat(0, 0, u, 0), quat(0, 0, 0, u)}) {
        EXPECT_FALSE(is_defined(q));
    }
}

TEST(quat, normalized_table) {
    EXPECT_TRUE(near(normalized(quat(2, 0, 0, 0)), quat(1, 0, 0, 0), 0));
    EXPECT_TRUE(near(normalized(quat(1, 1, 1, 1)), quat(0.5f, 0.5f, 0.5f, 0.5f), 0));
    EXPECT_TRUE(near(normalized(quat(0, 3, 0, -4)), quat(0, 0.6f, 0, -0.8f), 1e-7f));
    const quat z = normalized(quat(0, 0, 0, 0));
    for (float c : {z.w, z.x, z.y, z.z}) EXPECT_TRUE(std::isnan(c));
}

TEST(quat, product_composes_rotations_and_is_unit) {
    EXPECT_TRUE(near(quat(2, 0, 0, 0) * quat(1, 0, 0, 0), quat(1, 0, 0, 0), 0));
    // Two quarter turns about z make a half turn; about +x then +y differs from +y then +x.
    const quat qz = turn(pi / 2, {0, 0, 1});
    EXPECT_TRUE(same_rotation(qz * qz, turn(pi, {0, 0, 1}), 1e-7f));
    const quat qx = turn(pi / 2, {1, 0, 0}), qy = turn(pi / 2, {0, 1, 0});
    EXPECT_FALSE(near(qx * qy, qy * qx, 0.1f));
    // By hand: (c, -s, 0, 0) * (c, 0, -s, 0) with c = s = sqrt(1/2) is (1/2, -1/2, -1/2, 1/2).
    EXPECT_TRUE(near(qx * qy, quat(0.5f, -0.5f, -0.5f, 0.5f), 1e-7f));

    random_source rng;
    for (int n = 0; n < 2000; ++n) {
        const quat p = rng.unit_quat(), r = rng.unit_quat();
        const quat q(rng.uniform(-3, 3), rng.uniform(-3, 3), rng.uniform(-3, 3), rng.uniform(-3, 3));
        const quat pr = p * r;
        ASSERT_NEAR(pr.w * pr.w + pr.x * pr.x + pr.y * pr.y + pr.z * pr.z, 1.0f, 6e-7f);
        // The identity on the left only normalises.
        ASSERT_TRUE(near(quat(1, 0, 0, 0) * q, normalized(q), 1.2e-7f));
        // Associative up to rounding.
        ASSERT_TRUE(near((p * r) * q, p * (r * q), 6e-7f));
        quat c = p;
        c *= r;
        ASSERT_TRUE(near(c, pr, 0));
    }
}

TEST(quat, inverse_and_division) {
    EXPECT_TRUE(near(quat(2, 0, 0, 0).inverse(), quat(0.5f, 0, 0, 0), 0));
    EXPECT_TRUE(near(quat(0, 1, 0, 0).inverse(), quat(0, -1, 0, 0), 0));
    // Not normalised: (1, 1, 1, 1) has squared length 4.
    EXPECT_TRUE(near(quat(1, 1, 1, 1).inverse(), quat(0.25f, -0.25f, -0.25f, -0.25f), 0));
    EXPECT_TRUE(std::isnan(quat(0, 0, 0, 0).inverse().x));

    random_source rng;
    for (int n = 0; n < 2000; ++n) {
        const quat q(rng.uniform(-3, 3), rng.uniform(-3, 3), rng.uniform(-3, 3), rng.uniform(-3, 3));
        const quat p = rng.unit_quat(), r = rng.unit_quat();
        ASSERT_TRUE(same_rotation(q * q.inverse(), quat(1, 0, 0, 0), 3e-7f));
        // Dividing by r undoes multiplying by r.
        ASSERT_TRUE(same_rotation((p * r) / r, p, 6e-7f));
        quat d = p;
        d /= r;
        ASSERT_TRUE(near(d, p / r, 0));
        // For a unit quaternion the inverse is the conjugate.
        ASSERT_TRUE(near(p.inverse(), quat(p.w, -p.x, -p.y, -p.z), 3e-7f));
    }
}

TEST(quat, degenerate_operands_give_nan) {
    const quat zero(0, 0, 0, 0);
    EXPECT_TRUE(std::isnan((zero * quat(1, 0, 0, 0)).w));
    EXPECT_TRUE(std::isnan((quat(1, 0, 0, 0) / zero).w));
    EXPECT_FALSE(is_finite((quat(1, 0, 0, 0) / 0.0f).w));
}
