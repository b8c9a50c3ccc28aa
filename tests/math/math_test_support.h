#pragma once
// Helpers shared by the math tests: bit patterns, tolerant comparisons that report
// the first differing component, a seeded random source and the random inputs that
// the property checks draw.

#include "math/float4.h"
#include "math/float4x4.h"
#include "math/mat4.h"
#include "math/quat.h"
#include "math/vec2.h"
#include "math/vec3.h"
#include "math/vec4.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <ostream>
#include <random>

namespace math_test {

inline std::uint32_t bits(float f) { return std::bit_cast<std::uint32_t>(f); }
inline float from_bits(std::uint32_t b) { return std::bit_cast<float>(b); }

inline constexpr float inf = std::numeric_limits<float>::infinity();
inline constexpr float qnan = std::numeric_limits<float>::quiet_NaN();
inline constexpr float pi = 3.14159265358979323846f;

// Two floats agree within tol, or are the same non-finite value (NaN matches NaN).
inline bool same_within(float a, float b, float tol) {
    if (a != a || b != b) return a != a && b != b;
    if (a == b) return true;
    const float d = a - b;
    return d <= tol && -d <= tol;
}

template <int N>
::testing::AssertionResult components_near(const float (&a)[N], const float (&b)[N], float tol) {
    for (int i = 0; i < N; ++i) {
        if (!same_within(a[i], b[i], tol)) {
            auto r = ::testing::AssertionFailure() << "component " << i << ": " << a[i] << " vs " << b[i]
                                                   << " (tolerance " << tol << "); all:";
            for (int k = 0; k < N; ++k) r << ' ' << a[k] << '/' << b[k];
            return r;
        }
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult near(const vec2& a, const vec2& b, float tol) {
    const float x[] = {a.x, a.y}, y[] = {b.x, b.y};
    return components_near(x, y, tol);
}
inline ::testing::AssertionResult near(const vec3& a, const vec3& b, float tol) {
    const float x[] = {a.x, a.y, a.z}, y[] = {b.x, b.y, b.z};
    return components_near(x, y, tol);
}
inline ::testing::AssertionResult near(const vec4& a, const vec4& b, float tol) {
    const float x[] = {a.x, a.y, a.z, a.w}, y[] = {b.x, b.y, b.z, b.w};
    return components_near(x, y, tol);
}
inline ::testing::AssertionResult near(const float4& a, const float4& b, float tol) {
    const float x[] = {a.x, a.y, a.z, a.w}, y[] = {b.x, b.y, b.z, b.w};
    return components_near(x, y, tol);
}
inline ::testing::AssertionResult near(const quat& a, const quat& b, float tol) {
    const float x[] = {a.w, a.x, a.y, a.z}, y[] = {b.w, b.x, b.y, b.z};
    return components_near(x, y, tol);
}
// q and -q are the same rotation.
inline ::testing::AssertionResult same_rotation(const quat& a, const quat& b, float tol) {
    if (near(a, b, tol)) return ::testing::AssertionSuccess();
    return near(a, -b, tol);
}
inline ::testing::AssertionResult near(const mat4& a, const mat4& b, float tol) {
    float x[16], y[16];
    for (int i = 0; i < 16; ++i) {
        x[i] = a[i / 4][i % 4];
        y[i] = b[i / 4][i % 4];
    }
    return components_near(x, y, tol);
}
inline ::testing::AssertionResult near(const float4x4& a, const float4x4& b, float tol) {
    return near(static_cast<mat4>(a), static_cast<mat4>(b), tol);
}

// Bit-for-bit equality, so that +0/-0 and NaN payloads count.
inline ::testing::AssertionResult identical(const mat4& a, const mat4& b) {
    for (int i = 0; i < 16; ++i) {
        const float x = a[i / 4][i % 4], y = b[i / 4][i % 4];
        if (bits(x) != bits(y)) {
            return ::testing::AssertionFailure() << "element [" << i / 4 << "][" << i % 4 << "]: " << x
                                                 << " vs " << y;
        }
    }
    return ::testing::AssertionSuccess();
}

// Every property check draws from this generator with a fixed seed, so a failure
// repeats exactly.
class random_source {
public:
    explicit random_source(std::uint32_t seed = 20240607u) : engine_(seed) {}

    float uniform(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(engine_); }
    vec3 vector(float lo, float hi) { return {uniform(lo, hi), uniform(lo, hi), uniform(lo, hi)}; }
    vec3 unit_vector() {
        for (;;) {
            vec3 v = vector(-1.0f, 1.0f);
            const float len = length(v);
            if (len > 0.1f && len <= 1.0f) return v / len;
        }
    }
    // Euler angles inside the principal ranges of the decomposition, away from the
    // gimbal lock at y = +-pi/2.
    vec3 principal_angles() {
        return {uniform(-3.0f, 3.0f), uniform(-1.45f, 1.45f), uniform(-3.0f, 3.0f)};
    }
    quat unit_quat() {
        for (;;) {
            const quat q(uniform(-1, 1), uniform(-1, 1), uniform(-1, 1), uniform(-1, 1));
            const float n2 = q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z;
            if (n2 > 0.01f && n2 <= 1.0f) return normalized(q);
        }
    }
    mat4 matrix(float lo, float hi) {
        mat4 m;
        for (int i = 0; i < 4; ++i) m[i] = vec4(uniform(lo, hi), uniform(lo, hi), uniform(lo, hi), uniform(lo, hi));
        return m;
    }

private:
    std::mt19937 engine_;
};

}  // namespace math_test

inline std::ostream& operator<<(std::ostream& os, const vec3& v) {
    return os << '(' << v.x << ", " << v.y << ", " << v.z << ')';
}
inline std::ostream& operator<<(std::ostream& os, const quat& q) {
    return os << '(' << q.w << ", " << q.x << ", " << q.y << ", " << q.z << ')';
}
