// Cross-checks against two independent libraries, glm and Eigen, over seeded random
// inputs. Mapping the conventions:
// - glm stores column-major and multiplies column vectors, so the 16 floats of our
//   row-major, row-vector matrix M are glm's M^T, the same transform; our A * B is
//   glm's B * A.
// - glm and Eigen write the turn by theta about n as (cos(theta/2), +sin(theta/2) n);
//   ours has -sin(theta/2) n, so ours is their conjugate. Their q1 * q2 applies q2
//   first, so our p * r is their conj(r) * conj(p).
// - Eigen maps our floats directly as a row-major matrix.

#define GLM_ENABLE_EXPERIMENTAL
#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>
#include <glm/gtc/type_ptr.hpp>
#include <glm/gtx/color_space.hpp>

#include <Eigen/Dense>
#include <Eigen/Geometry>

#include "math/colour.h"
#include "math/interpolation.h"
#include "math/rotation.h"
#include "math/transforms.h"
#include "math_test_support.h"

#include <cmath>
#include <cstring>

using namespace math_test;

namespace {

glm::mat4 to_glm(const mat4& m) {
    glm::mat4 g;
    std::memcpy(glm::value_ptr(g), &m, sizeof m);
    return g;
}
mat4 from_glm(const glm::mat4& g) {
    mat4 m;
    std::memcpy(&m, glm::value_ptr(g), sizeof m);
    return m;
}
glm::quat to_glm(const quat& q) { return glm::quat(q.w, -q.x, -q.y, -q.z); }
quat from_glm(const glm::quat& g) { return quat(g.w, -g.x, -g.y, -g.z); }

using eigen_matrix = Eigen::Matrix<float, 4, 4, Eigen::RowMajor>;
eigen_matrix to_eigen(const mat4& m) { return Eigen::Map<const eigen_matrix>(&m[0][0]); }
mat4 from_eigen(const eigen_matrix& e) {
    mat4 m;
    Eigen::Map<eigen_matrix> view(&m[0][0]);
    view = e;
    return m;
}
Eigen::Quaternionf to_eigen(const quat& q) { return Eigen::Quaternionf(q.w, -q.x, -q.y, -q.z); }
quat from_eigen(const Eigen::Quaternionf& e) { return quat(e.w(), -e.x(), -e.y(), -e.z()); }

// Relative tolerance for values that grow with the inputs.
float scaled_tol(const mat4& m, float rel) {
    float big = 1;
    for (int i = 0; i < 16; ++i) big = std::max(big, std::fabs(m[i / 4][i % 4]));
    return big * rel;
}

}  // namespace

TEST(cross_check, matrix_product_inverse_determinant) {
    random_source rng(7);
    for (int n = 0; n < 1000; ++n) {
        const mat4 a = rng.matrix(-3, 3), b = rng.matrix(-3, 3);
        const mat4 ab = a * b;
        ASSERT_TRUE(near(ab, from_glm(to_glm(b) * to_glm(a)), 2e-5f));
        ASSERT_TRUE(near(ab, from_eigen(to_eigen(a) * to_eigen(b)), 2e-5f));
        const vec4 v(rng.uniform(-2, 2), rng.uniform(-2, 2), rng.uniform(-2, 2), rng.uniform(-2, 2));
        const glm::vec4 gv = to_glm(a) * glm::vec4(v.x, v.y, v.z, v.w);
        ASSERT_TRUE(near(v * a, vec4(gv.x, gv.y, gv.z, gv.w), 1e-5f));

        const float det = determinant(a);
        ASSERT_NEAR(det, glm::determinant(to_glm(a)), 2e-4f);
        ASSERT_NEAR(det, to_eigen(a).determinant(), 2e-4f);
        if (std::fabs(det) < 1.0f) continue;
        const mat4 inv = inverse(a);
        const float tol = scaled_tol(inv, 2e-5f);
        ASSERT_TRUE(near(inv, from_glm(glm::inverse(to_glm(a))), tol));
        ASSERT_TRUE(near(inv, from_eigen(to_eigen(a).inverse()), tol));
    }
}

TEST(cross_check, quaternion_operations) {
    random_source rng(8);
    for (int n = 0; n < 1000; ++n) {
        const quat p = rng.unit_quat(), r = rng.unit_quat();
        const quat raw(rng.uniform(-3, 3), rng.uniform(-3, 3), rng.uniform(-3, 3), rng.uniform(-3, 3));
        ASSERT_TRUE(near(normalized(raw), from_glm(glm::normalize(to_glm(raw))), 3e-7f));
        ASSERT_TRUE(near(p * r, from_glm(glm::normalize(to_glm(r) * to_glm(p))), 5e-7f));
        ASSERT_TRUE(near(p * r, from_eigen((to_eigen(r) * to_eigen(p)).normalized()), 5e-7f));
        ASSERT_TRUE(near(raw.inverse(), from_glm(glm::inverse(to_glm(raw))), 1e-6f));

        // The rotation matrix: glm's mat4_cast of the conjugate is our matrix transposed,
        // which is what the memory mapping gives.
        // glm takes p as exactly unit; ours divides by its squared length (one ulp off 1).
        ASSERT_TRUE(near(mat4(p), from_glm(glm::mat4_cast(to_glm(p))), 1e-6f));
        eigen_matrix e = eigen_matrix::Identity();
        e.topLeftCorner<3, 3>() = to_eigen(p).toRotationMatrix().transpose();
        ASSERT_TRUE(near(mat4(p), from_eigen(e), 1e-6f));

        const float t = rng.uniform(0, 1);
        ASSERT_TRUE(near(slerp(p, r, t), from_glm(glm::slerp(to_glm(p), to_glm(r), t)), 2e-6f));
        ASSERT_TRUE(same_rotation(slerp(p, r, t), from_eigen(to_eigen(p).slerp(t, to_eigen(r))), 2e-6f));

        // Euler angles applied x, then y, then z: glm's quat(vec3) composes the same way.
        const vec3 angles = rng.vector(-3, 3);
        ASSERT_TRUE(same_rotation(quat_from_euler(angles), from_glm(glm::quat(glm::vec3(angles.x, angles.y, angles.z))),
                                  5e-7f));
        const Eigen::Quaternionf ez = Eigen::AngleAxisf(angles.z, Eigen::Vector3f::UnitZ()) *
                                      Eigen::AngleAxisf(angles.y, Eigen::Vector3f::UnitY()) *
                                      Eigen::AngleAxisf(angles.x, Eigen::Vector3f::UnitX());
        ASSERT_TRUE(same_rotation(quat_from_euler(angles), from_eigen(ez), 5e-7f));
    }
}

TEST(cross_check, axis_rotations_and_directions) {
    random_source rng(9);
    for (int n = 0; n < 1000; ++n) {
        const vec3 axis = rng.unit_vector();
        const float angle = rng.uniform(-6, 6);
        eigen_matrix e = eigen_matrix::Identity();
        e.topLeftCorner<3, 3>() =
            Eigen::AngleAxisf(angle, Eigen::Vector3f(axis.x, axis.y, axis.z)).toRotationMatrix().transpose();
        ASSERT_TRUE(near(rotation_about_axis(axis, angle), from_eigen(e), 1e-6f));

        const vec3 from = rng.unit_vector(), to = rng.unit_vector();
        const Eigen::Quaternionf between =
            Eigen::Quaternionf::FromTwoVectors(Eigen::Vector3f(from.x, from.y, from.z), Eigen::Vector3f(to.x, to.y, to.z));
        // 1 + from.to cancels for nearly opposite directions: a looser bound there.
        const float tol = dot(from, to) < -0.9f ? 2e-5f : 2e-6f;
        ASSERT_TRUE(same_rotation(normalized(rotation_between(from, to)), from_eigen(between), tol));
    }
}

TEST(cross_check, hsv_against_glm) {
    random_source rng(10);
    for (int n = 0; n < 2000; ++n) {
        const vec3 rgb = rng.vector(0, 1);
        const glm::vec3 g = glm::hsvColor(glm::vec3(rgb.x, rgb.y, rgb.z));  // hue in degrees
        const hsv h(rgb, hsv(0, 0, 0));
        ASSERT_NEAR(h.h, std::fmod(g.x / 360.0f, 1.0f), 2e-6f) << rgb;
        ASSERT_NEAR(h.s, g.y, 1e-6f) << rgb;
        ASSERT_EQ(h.v, g.z) << rgb;
        const glm::vec3 back = glm::rgbColor(glm::vec3(h.h * 360.0f, h.s, h.v));
        ASSERT_TRUE(near(static_cast<vec3>(h), vec3(back.x, back.y, back.z), 2e-6f)) << rgb;
    }
}
