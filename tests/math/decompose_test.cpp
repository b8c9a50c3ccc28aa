// Taking a mat4 apart into scale, shear, Euler angles and translation.

#include "math/constants.h"
#include "math/transforms.h"
#include "math_test_support.h"

#include <cmath>

using namespace math_test;

namespace {
struct parts {
    vec3 scale, shear, rotation, translation;
};

parts decompose_parts(const mat4& m) {
    parts p{};
    EXPECT_TRUE(m.decompose(p.scale, p.shear, p.rotation, p.translation));
    return p;
}

mat4 compose(const parts& p) {
    return scaling(p.scale) * shearing(p.shear) * rotation_from_euler(p.rotation) * translation(p.translation);
}

::testing::AssertionResult parts_near(const parts& got, const parts& want, float tol) {
    for (auto [g, w, name] : {std::tuple{got.scale, want.scale, "scale"}, std::tuple{got.shear, want.shear, "shear"},
                              std::tuple{got.rotation, want.rotation, "rotation"},
                              std::tuple{got.translation, want.translation, "translation"}}) {
        auto r = near(g, w, tol);
        if (!r) return r << " in " << name;
    }
    return ::testing::AssertionSuccess();
}
}  // namespace

TEST(decompose, table_of_compositions) {
    const parts general{{2, 3, 4}, {0.1f, 0.2f, 0.3f}, {0.3f, -0.5f, 1.1f}, {5, 6, 7}};
    const parts mirrored_in{{-2, 3, 4}, {0.1f, 0.2f, 0.3f}, {0.3f, -0.5f, 1.1f}, {5, 6, 7}};
    // A mirror comes back as three negative scale factors, with the shear and the x
    // angle adjusted to match.
    const parts mirrored_out{{-2, -3, -4}, {0.1f, -0.2f, -0.3f}, {0.3f - pi, -0.5f, 1.1f}, {5, 6, 7}};
    struct row {
        const char* what;
        mat4 m;
        parts want;
        float tol;
    };
    const row rows[] = {
        {"identity", mat4_identity, {{1, 1, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, 0},
        {"general", compose(general), general, 2e-6f},
        {"general times 2", compose(general) * 2.0f, general, 2e-6f},
        {"mirrored", compose(mirrored_in), mirrored_out, 2e-6f},
        // Gimbal lock: the turn about z folds into x, with the sign of y.
        {"y = pi/2", rotation_from_euler({0.4f, pi / 2, 0.3f}), {{1, 1, 1}, {0, 0, 0}, {0.1f, pi / 2, 0}, {0, 0, 0}}, 4e-4f},
        {"y = -pi/2", rotation_from_euler({0.4f, -pi / 2, 0.3f}), {{1, 1, 1}, {0, 0, 0}, {0.7f, -pi / 2, 0}, {0, 0, 0}}, 4e-4f},
        {"translation", translation({1, 2, 3}), {{1, 1, 1}, {0, 0, 0}, {0, 0, 0}, {1, 2, 3}}, 0},
    };
    for (const row& r : rows) {
        const mat4 before = r.m;
        const parts got = decompose_parts(r.m);
        EXPECT_TRUE(parts_near(got, r.want, r.tol)) << r.what;
        EXPECT_TRUE(near(compose(got), r.m * (1.0f / r.m[3][3]), 2e-5f)) << r.what << ": recomposed";
        EXPECT_TRUE(identical(r.m, before)) << r.what << ": input changed";
    }
}

TEST(decompose, round_trip_property) {
    random_source rng;
    for (int n = 0; n < 2000; ++n) {
        parts p{rng.vector(0.5f, 3.0f), rng.vector(-0.5f, 0.5f), rng.principal_angles(), rng.vector(-10, 10)};
        if (n % 3 == 0) p.scale = p.scale * -1.0f;  // mirrored: compare matrices only
        const mat4 m = compose(p);
        const parts got = decompose_parts(m * rng.uniform(0.5f, 4.0f));
        ASSERT_TRUE(near(compose(got), m, 5e-5f * 30)) << n;
        if (n % 3 != 0) {
            ASSERT_TRUE(parts_near(got, p, 5e-5f)) << n;
        }
    }
}

TEST(decompose, degenerate_input_gives_non_finite_parts_and_true) {
    mat4 zero_weight = mat4_identity;
    zero_weight[3][3] = 0;
    // Every element is divided by 0: NaN (0/0) and infinite (1/0) values throughout.
    const parts p = decompose_parts(zero_weight);
    EXPECT_FALSE(is_finite(p.translation.x));
    EXPECT_FALSE(is_finite(p.shear.z));

    // A singular block: the zero row has scale 0 and the shear divided by it.
    const parts q = decompose_parts(scaling(vec3(1, 0, 1)));
    EXPECT_EQ(q.scale.y, 0.0f);
    EXPECT_FALSE(is_finite(q.shear.z));

    // A perspective part in column 3 is ignored.
    mat4 persp = translation({1, 2, 3});
    persp[0][3] = 0.5f;
    EXPECT_TRUE(parts_near(decompose_parts(persp), {{1, 1, 1}, {0, 0, 0}, {0, 0, 0}, {1, 2, 3}}, 0));
}
