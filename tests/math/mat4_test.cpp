// mat4: layout, arithmetic, products, determinants and both inverses.

#include "math/constants.h"
#include "math/mat4.h"
#include "math/transforms.h"
#include "math_test_support.h"

#include <cmath>
#include <cstring>

using namespace math_test;

static_assert(sizeof(mat4) == 64);
static_assert(determinant(mat4_identity) == 1.0f);
static_assert(determinant(scaling(vec3(2, 3, 4))) == 24.0f);
static_assert(inverse(scaling(2.0f))[0][0] == 0.5f);
static_assert(affine_inverse(translation(vec3(1, 2, 3)))[3][2] == -3.0f);
static_assert((translation(vec3(1, 2, 3)) * scaling(2.0f))[3][1] == 4.0f);
static_assert(block_determinant(mat4_identity, 0, 1, 2, 0, 1, 2) == 1.0f);

namespace {

// The inverse and determinant exactly as their definitions state them, without the
// shared 2x2 terms of the library's version: the 3x3 minor of (row i, column j) is a
// view of A that skips that row and column, expanded along its first column.
float minor_by_definition(const mat4& a, int i, int j) {
    const auto e = [&](int r, int c) { return a[r + (r >= i ? 1 : 0)][c + (c >= j ? 1 : 0)]; };
    return (e(0, 0) * (e(1, 1) * e(2, 2) - e(1, 2) * e(2, 1)) - e(1, 0) * (e(0, 1) * e(2, 2) - e(0, 2) * e(2, 1))) +
           e(2, 0) * (e(0, 1) * e(1, 2) - e(0, 2) * e(1, 1));
}

float determinant_by_definition(const mat4& a) {
    return ((a[0][0] * minor_by_definition(a, 0, 0) - a[1][0] * minor_by_definition(a, 1, 0)) +
            a[2][0] * minor_by_definition(a, 2, 0)) -
           a[3][0] * minor_by_definition(a, 3, 0);
}

mat4 inverse_by_definition(const mat4& a) {
    const float d = determinant_by_definition(a);
    if (d == 0.0f) return mat4_identity;
    mat4 r;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            const float m = minor_by_definition(a, i, j);
            r[j][i] = (i + j) % 2 == 0 ? m : -m;
        }
    }
    const float k = 1.0f / d;
    for (int i = 0; i < 16; ++i) r[i / 4][i % 4] = r[i / 4][i % 4] * k;
    return r;
}

// Entrywise A * B by the definition, for checking the product.
mat4 product_by_definition(const mat4& a, const mat4& b) {
    mat4 r;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            r[i][j] = ((a[i][0] * b[0][j] + a[i][1] * b[1][j]) + a[i][2] * b[2][j]) + a[i][3] * b[3][j];
        }
    }
    return r;
}

const mat4 sample(2, -1, 0.5f, 0, 1, 3, -2, 0, 0.25f, 1, 4, 0, 5, -6, 7, 1);

}  // namespace

TEST(mat4, memory_order_is_row_major) {
    const mat4 m(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    float raw[16];
    std::memcpy(raw, &m, sizeof raw);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(raw[i], float(i));
    EXPECT_EQ(m[2][1], 9.0f);
    const mat4 rows(vec4(0, 1, 2, 3), vec4(4, 5, 6, 7), vec4(8, 9, 10, 11), vec4(12, 13, 14, 15));
    EXPECT_TRUE(identical(m, rows));
    mat4 n = m;
    n[3][0] = -1;
    EXPECT_EQ(n[3].x, -1.0f);
}

TEST(mat4, elementwise_arithmetic) {
    const mat4 a = sample;
    const mat4 b = scaling(vec3(1, 2, 3));
    mat4 sum = a + b, diff = a - b, scaled = a * 2.0f;
    for (int i = 0; i < 16; ++i) {
        const int r = i / 4, c = i % 4;
        EXPECT_EQ(sum[r][c], a[r][c] + b[r][c]);
        EXPECT_EQ(diff[r][c], a[r][c] - b[r][c]);
        EXPECT_EQ(scaled[r][c], a[r][c] * 2.0f);
    }
    mat4 c = a;
    EXPECT_EQ(&(c += b), &c);
    EXPECT_TRUE(identical(c, sum));
    EXPECT_EQ(&(c -= b), &c);
    EXPECT_TRUE(near(c, a, 1e-6f));
    EXPECT_EQ(&(c *= 2.0f), &c);
    EXPECT_TRUE(near(c, scaled, 1e-5f));
}

TEST(mat4, products_follow_row_vectors) {
    EXPECT_TRUE(near(vec4(1, 0, 0, 0) * sample, sample[0], 0));
    EXPECT_TRUE(near(vec4(0, 0, 0, 1) * sample, sample[3], 0));
    EXPECT_TRUE(near(vec4(1, 2, 3, 4) * sample, vec4(24.75f, -16, 36.5f, 4), 1e-5f));
    // Translation then scaling maps p to (p + t) * s.
    const mat4 ts = translation(vec3(1, 2, 3)) * scaling(2.0f);
    EXPECT_TRUE(near(transform_point(vec3(1, 1, 1), ts), vec3(4, 6, 8), 0));
    EXPECT_TRUE(near(transform_point(vec3(1, 1, 1), scaling(2.0f) * translation(vec3(1, 2, 3))), vec3(3, 4, 5), 0));

    random_source rng;
    for (int n = 0; n < 200; ++n) {
        const mat4 a = rng.matrix(-10, 10), b = rng.matrix(-10, 10);
        ASSERT_TRUE(identical(a * b, product_by_definition(a, b)));
        const vec4 v(rng.uniform(-5, 5), rng.uniform(-5, 5), rng.uniform(-5, 5), rng.uniform(-5, 5));
        const mat4 row(v, v, v, v);
        ASSERT_TRUE(near(v * a, (row * a)[2], 0));
    }
}

TEST(mat4, transform_point_table) {
    mat4 w2 = mat4_identity;
    w2[3][3] = 2;
    mat4 projective = mat4_identity;
    projective[0][3] = 5;  // column 3 is not used
    struct row {
        const char* what;
        mat4 m;
        vec3 p, want;
    };
    const row rows[] = {
        {"identity", mat4_identity, {1, 2, 3}, {1, 2, 3}},
        {"translation", translation(vec3(1, 2, 3)), {1, 1, 1}, {2, 3, 4}},
        {"weight 2", w2, {1, 1, 1}, {0.5f, 0.5f, 0.5f}},
        {"column 3 ignored", projective, {1, 1, 1}, {1, 1, 1}},
        {"scaling", scaling(vec3(2, 3, 4)), {1, 1, 1}, {2, 3, 4}},
    };
    for (const row& r : rows) EXPECT_TRUE(near(transform_point(r.p, r.m), r.want, 0)) << r.what;
    mat4 w0 = mat4_identity;
    w0[3][3] = 0;
    EXPECT_EQ(transform_point(vec3(1, 1, 1), w0).x, inf);
}

TEST(mat4, homogenize_divides_by_the_weight_and_leaves_it_one) {
    mat4 m = mat4_identity * 2.0f;
    EXPECT_EQ(&m.homogenize(), &m);
    EXPECT_TRUE(identical(m, mat4_identity));
    // Same transform after homogenizing: a point maps to the same place.
    mat4 p = sample * 4.0f;
    p[3][3] = 4.0f;
    const vec3 before = transform_point(vec3(1, -2, 3), p);
    p.homogenize();
    EXPECT_EQ(p[3][3], 1.0f);
    EXPECT_TRUE(near(transform_point(vec3(1, -2, 3), p), before, 1e-5f));
    mat4 z = mat4_identity;
    z[3][3] = 0;
    z.homogenize();
    EXPECT_EQ(z[0][0], inf);
    EXPECT_TRUE(std::isnan(z[0][1]));
}

TEST(mat4, determinants) {
    EXPECT_EQ(determinant(mat4_identity), 1.0f);
    EXPECT_EQ(determinant(mat4_zero), 0.0f);
    EXPECT_EQ(determinant(sample), determinant_by_definition(sample));
    // Column 3 of the sample is (0, 0, 0, 1): its determinant is that of the upper
    // 3x3 block, 2 (12 + 2) + 1 (4 + 0.5) + 0.5 (1 - 0.75) = 32.625.
    EXPECT_NEAR(determinant(sample), 32.625f, 1e-5f);
    EXPECT_NEAR(block_determinant(sample, 0, 1, 2, 0, 1, 2), 32.625f, 1e-5f);
    // Rows and columns are taken in the order given: swapping two negates.
    EXPECT_EQ(block_determinant(sample, 1, 0, 2, 0, 1, 2), -block_determinant(sample, 0, 1, 2, 0, 1, 2));
    // Rows 1..3, columns 0, 1, 3: ((1, 3, 0), (0.25, 1, 0), (5, -6, 1)) has 1 - 0.75.
    EXPECT_NEAR(block_determinant(sample, 1, 2, 3, 0, 1, 3), 0.25f, 1e-6f);

    random_source rng;
    for (int n = 0; n < 2000; ++n) {
        const mat4 a = rng.matrix(-4, 4);
        ASSERT_EQ(bits(determinant(a)), bits(determinant_by_definition(a)));
    }
}

TEST(mat4, inverse_of_singular_matrices_is_the_identity) {
    mat4 flat = mat4_identity;
    flat[2][2] = 0;
    mat4 repeated = sample;
    repeated[1] = repeated[0];
    for (const mat4& m : {mat4_zero, flat, repeated}) EXPECT_TRUE(identical(inverse(m), mat4_identity));
    mat4 with_nan = sample;
    with_nan[0][0] = qnan;
    EXPECT_TRUE(std::isnan(inverse(with_nan)[1][1]));
}

TEST(mat4, inverse_table) {
    mat4 w2 = mat4_identity;
    w2[3][3] = 2;
    mat4 w_half = mat4_identity;
    w_half[3][3] = 0.5f;
    const mat4 projective(1, 0, 0, 0.5f, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    const mat4 projective_inverse(1, 0, 0, -0.5f, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    struct row {
        const char* what;
        mat4 m, want;
    };
    const row rows[] = {
        {"identity", mat4_identity, mat4_identity},
        {"translation", translation(vec3(1, 2, 3)), translation(vec3(-1, -2, -3))},
        {"scaling", scaling(vec3(2, 4, 8)), scaling(vec3(0.5f, 0.25f, 0.125f))},
        {"weight 2", w2, w_half},
        {"projective column", projective, projective_inverse},
    };
    for (const row& r : rows) EXPECT_TRUE(near(inverse(r.m), r.want, 1e-7f)) << r.what;
}

TEST(mat4, inverse_matches_the_definition_and_inverts) {
    random_source rng;
    int checked = 0;
    for (int n = 0; n < 3000; ++n) {
        const mat4 a = rng.matrix(-2, 2);
        ASSERT_TRUE(identical(inverse(a), inverse_by_definition(a)));
        // M * M^-1 = I only for well-conditioned M: skip near-singular draws.
        if (std::fabs(determinant(a)) < 0.5f) continue;
        ++checked;
        ASSERT_TRUE(near(a * inverse(a), mat4_identity, 2e-4f));
        ASSERT_TRUE(near(inverse(a) * a, mat4_identity, 2e-4f));
    }
    EXPECT_GT(checked, 1000);
}

TEST(mat4, affine_inverse_table) {
    mat4 w2 = mat4_identity;
    w2[3][3] = 2;
    mat4 flat = translation(vec3(1, 2, 3));
    flat[0] = flat[1] = flat[2] = vec4(0, 0, 0, 0);
    struct row {
        const char* what;
        mat4 m, want;
    };
    const row rows[] = {
        {"translation", translation(vec3(1, 2, 3)), translation(vec3(-1, -2, -3))},
        {"uniform scale", scaling(2.0f), scaling(0.5f)},
        // Cofactors of the whole matrix over the 3x3 determinant: no inverse here.
        {"weight 2", w2, scaling(2.0f)},
        {"singular block", flat, flat},
    };
    for (const row& r : rows) {
        EXPECT_TRUE(near(r.m.affine_inverse(), r.want, 1e-7f)) << r.what;
        EXPECT_TRUE(identical(affine_inverse(r.m), r.m.affine_inverse())) << r.what;
    }
    mat4 nan_block = mat4_identity;
    nan_block[1][1] = qnan;
    EXPECT_TRUE(identical(nan_block.affine_inverse(), nan_block));

    random_source rng;
    for (int n = 0; n < 500; ++n) {
        mat4 a = rng.matrix(-2, 2);
        a[0][3] = a[1][3] = a[2][3] = 0;
        a[3][3] = 1;
        if (std::fabs(block_determinant(a, 0, 1, 2, 0, 1, 2)) < 0.5f) continue;
        ASSERT_TRUE(near(a * a.affine_inverse(), mat4_identity, 2e-5f));
        ASSERT_TRUE(near(a.affine_inverse(), inverse(a), 2e-5f));
    }
}

TEST(mat4, undefined_and_is_defined) {
    const mat4 u = mat4::undefined();
    EXPECT_FALSE(is_defined(u));
    for (int i = 0; i < 16; ++i) EXPECT_FALSE(is_defined(u[i / 4][i % 4]));
    EXPECT_TRUE(is_defined(mat4_identity));
    mat4 one = mat4_identity;
    one[3][3] = undefined_value;
    EXPECT_FALSE(is_defined(one));
    one[3][3] = qnan;
    EXPECT_TRUE(is_defined(one));
}
