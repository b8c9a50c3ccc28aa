#pragma once
// mat4: the general 4x4 matrix, four vec4 rows, 16 floats in row-major order.
//
// Conventions: points and directions are row vectors multiplied on the left
// (v' = v * M), so A * B applies A first and B second; a translation lies in row 3,
// and an affine matrix has column 3 equal to (0, 0, 0, 1). Rotations are
// right-handed: a positive angle about +z turns +x towards +y.

#include "math/quat.h"
#include "math/vec3.h"
#include "math/vec4.h"

struct mat4 {
    vec4 rows[4];

    mat4() = default;  // elements unset
    // Row by row: m00, m01, m02, m03, m10, ... m33.
    constexpr mat4(float m00, float m01, float m02, float m03, float m10, float m11, float m12,
                   float m13, float m20, float m21, float m22, float m23, float m30, float m31,
                   float m32, float m33)
        : rows{{m00, m01, m02, m03}, {m10, m11, m12, m13}, {m20, m21, m22, m23}, {m30, m31, m32, m33}} {}
    constexpr mat4(const vec4& r0, const vec4& r1, const vec4& r2, const vec4& r3)
        : rows{r0, r1, r2, r3} {}

    // The rotation matrix of q: the rows of the unnormalised rotation matrix divided
    // by w^2 + x^2 + y^2 + z^2, so any non-zero q gives the matrix of its unit copy.
    // The zero quaternion gives NaN in the upper-left 3x3 elements.
    constexpr explicit mat4(const quat& q);

    // All 16 elements hold the undefined value.
    static constexpr mat4 undefined() {
        const float u = undefined_value;
        return {u, u, u, u, u, u, u, u, u, u, u, u, u, u, u, u};
    }

    // Row i; m[i][j] is column j of row i. No range test.
    constexpr vec4& operator[](int i) { return rows[i]; }
    constexpr const vec4& operator[](int i) const { return rows[i]; }

    constexpr mat4& operator+=(const mat4& b);
    constexpr mat4& operator-=(const mat4& b);
    constexpr mat4& operator*=(float k);

    // Divides the matrix by its element [3][3], which becomes 1: the same projective
    // transform with a unit weight. A zero [3][3] gives infinite or NaN elements.
    constexpr mat4& homogenize();

    // The inverse of an affine matrix (column 3 = (0, 0, 0, 1)): the adjugate divided
    // by the determinant of the upper-left 3x3 block. For other matrices it is not an
    // inverse. A matrix whose upper-left block is singular (or NaN) is returned as is.
    constexpr mat4 affine_inverse() const;

    // Takes the matrix apart as scaling(scale) * shearing(shear) *
    // rotation_from_euler(rotation) * translation(translation), up to a common factor
    // of all 16 elements. Shear comes as (yz, xz, xy); rotation as Euler angles about
    // x, y, z. A mirroring matrix comes back with all three scale factors negative.
    // The matrix is not changed; the result is always true.
    bool decompose(vec3& scale, vec3& shear, vec3& rotation, vec3& translation) const;
};

namespace detail {
constexpr vec4 add(const vec4& a, const vec4& b) { return {a.x + b.x, a.y + b.y, a.z + b.z, a.w + b.w}; }
constexpr vec4 sub(const vec4& a, const vec4& b) { return {a.x - b.x, a.y - b.y, a.z - b.z, a.w - b.w}; }
constexpr vec4 scale(const vec4& a, float k) { return {a.x * k, a.y * k, a.z * k, a.w * k}; }
}  // namespace detail

constexpr mat4& mat4::operator+=(const mat4& b) {
    for (int i = 0; i < 4; ++i) rows[i] = detail::add(rows[i], b.rows[i]);
    return *this;
}
constexpr mat4& mat4::operator-=(const mat4& b) {
    for (int i = 0; i < 4; ++i) rows[i] = detail::sub(rows[i], b.rows[i]);
    return *this;
}
constexpr mat4& mat4::operator*=(float k) {
    for (int i = 0; i < 4; ++i) rows[i] = detail::scale(rows[i], k);
    return *this;
}

constexpr mat4 operator+(const mat4& a, const mat4& b) { return mat4(a) += b; }
constexpr mat4 operator-(const mat4& a, const mat4& b) { return mat4(a) -= b; }
constexpr mat4 operator*(const mat4& a, float k) { return mat4(a) *= k; }

// The row vector v times A: result[j] = ((v.x A[0][j] + v.y A[1][j]) + v.z A[2][j]) + v.w A[3][j].
constexpr vec4 operator*(const vec4& v, const mat4& a) {
    const vec4 t0 = detail::scale(a.rows[0], v.x);
    const vec4 t1 = detail::scale(a.rows[1], v.y);
    const vec4 t2 = detail::scale(a.rows[2], v.z);
    const vec4 t3 = detail::scale(a.rows[3], v.w);
    return detail::add(detail::add(detail::add(t0, t1), t2), t3);
}

// The product: row i of A * B is row i of A times B, so A * B applies A first.
constexpr mat4 operator*(const mat4& a, const mat4& b) {
    mat4 r;
    for (int i = 0; i < 4; ++i) r.rows[i] = a.rows[i] * b;
    return r;
}

// p taken as the point (p, 1) times A, without column 3; when A[3][3] is not exactly
// 1 the result is divided by A[3][3] (not by the projective weight p . column 3).
constexpr vec3 transform_point(const vec3& p, const mat4& a) {
    vec3 r((p.x * a[0].x + p.y * a[1].x) + p.z * a[2].x + a[3].x,
           (p.x * a[0].y + p.y * a[1].y) + p.z * a[2].y + a[3].y,
           (p.x * a[0].z + p.y * a[1].z) + p.z * a[2].z + a[3].z);
    if (a[3].w != 1.0f) r /= a[3].w;
    return r;
}

constexpr mat4& mat4::homogenize() {
    const float r = 1.0f / rows[3].w;
    for (int i = 0; i < 4; ++i) rows[i] = detail::scale(rows[i], r);
    rows[3].w = 1.0f;
    return *this;
}

// The determinant of the 3x3 matrix of rows r0, r1, r2 and columns c0, c1, c2 of A,
// by the rule of Sarrus.
constexpr float block_determinant(const mat4& a, int r0, int r1, int r2, int c0, int c1, int c2) {
    const vec4& p = a[r0];
    const vec4& q = a[r1];
    const vec4& s = a[r2];
    return (((p[c2] * q[c0]) * s[c1] + ((p[c1] * q[c2]) * s[c0] + (p[c0] * q[c1]) * s[c2])) -
            (p[c0] * q[c2]) * s[c1] - (p[c1] * q[c0]) * s[c2]) -
           (p[c2] * q[c1]) * s[c0];
}

// The 4x4 determinant by Laplace expansion along column 0; each 3x3 minor is expanded
// along column 1 into 2x2 determinants of columns 2 and 3.
constexpr float determinant(const mat4& a) {
    const vec4& r0 = a[0];
    const vec4& r1 = a[1];
    const vec4& r2 = a[2];
    const vec4& r3 = a[3];
    const float s01 = r0.z * r1.w - r0.w * r1.z;
    const float s02 = r0.z * r2.w - r0.w * r2.z;
    const float s03 = r0.z * r3.w - r0.w * r3.z;
    const float s12 = r1.z * r2.w - r1.w * r2.z;
    const float s13 = r1.z * r3.w - r1.w * r3.z;
    const float s23 = r2.z * r3.w - r2.w * r3.z;
    const float d0 = (r1.y * s23 - r2.y * s13) + r3.y * s12;
    const float d1 = (r0.y * s23 - r2.y * s03) + r3.y * s02;
    const float d2 = (r0.y * s13 - r1.y * s03) + r3.y * s01;
    const float d3 = (r0.y * s12 - r1.y * s02) + r2.y * s01;
    return ((r0.x * d0 - r1.x * d1) + r2.x * d2) - r3.x * d3;
}

// The general inverse: the adjugate (each cofactor a 3x3 determinant expanded along
// its first column) times the float 1/determinant. A determinant of exactly 0 gives
// the identity; a NaN determinant gives NaN elements.
constexpr mat4 inverse(const mat4& a) {
    const vec4& r0 = a[0];
    const vec4& r1 = a[1];
    const vec4& r2 = a[2];
    const vec4& r3 = a[3];
    // 2x2 determinants of rows (i, j) in the column pairs (2, 3), (1, 3) and (1, 2).
    const float s23_01 = r0.z * r1.w - r0.w * r1.z, s23_02 = r0.z * r2.w - r0.w * r2.z;
    const float s23_03 = r0.z * r3.w - r0.w * r3.z, s23_12 = r1.z * r2.w - r1.w * r2.z;
    const float s23_13 = r1.z * r3.w - r1.w * r3.z, s23_23 = r2.z * r3.w - r2.w * r3.z;
    const float s13_01 = r0.y * r1.w - r0.w * r1.y, s13_02 = r0.y * r2.w - r0.w * r2.y;
    const float s13_03 = r0.y * r3.w - r0.w * r3.y, s13_12 = r1.y * r2.w - r1.w * r2.y;
    const float s13_13 = r1.y * r3.w - r1.w * r3.y, s13_23 = r2.y * r3.w - r2.w * r3.y;
    const float s12_01 = r0.y * r1.z - r0.z * r1.y, s12_02 = r0.y * r2.z - r0.z * r2.y;
    const float s12_03 = r0.y * r3.z - r0.z * r3.y, s12_12 = r1.y * r2.z - r1.z * r2.y;
    const float s12_13 = r1.y * r3.z - r1.z * r3.y, s12_23 = r2.y * r3.z - r2.z * r3.y;

    // Minor (i, j): rows other than i, columns other than j; its first column is 1
    // for j = 0 and 0 otherwise.
    const float m00 = (r1.y * s23_23 - r2.y * s23_13) + r3.y * s23_12;
    const float m10 = (r0.y * s23_23 - r2.y * s23_03) + r3.y * s23_02;
    const float m20 = (r0.y * s23_13 - r1.y * s23_03) + r3.y * s23_01;
    const float m30 = (r0.y * s23_12 - r1.y * s23_02) + r2.y * s23_01;

    const float det = ((r0.x * m00 - r1.x * m10) + r2.x * m20) - r3.x * m30;
    if (det == 0.0f) return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    const float m01 = (r1.x * s23_23 - r2.x * s23_13) + r3.x * s23_12;
    const float m11 = (r0.x * s23_23 - r2.x * s23_03) + r3.x * s23_02;
    const float m21 = (r0.x * s23_13 - r1.x * s23_03) + r3.x * s23_01;
    const float m31 = (r0.x * s23_12 - r1.x * s23_02) + r2.x * s23_01;

    const float m02 = (r1.x * s13_23 - r2.x * s13_13) + r3.x * s13_12;
    const float m12 = (r0.x * s13_23 - r2.x * s13_03) + r3.x * s13_02;
    const float m22 = (r0.x * s13_13 - r1.x * s13_03) + r3.x * s13_01;
    const float m32 = (r0.x * s13_12 - r1.x * s13_02) + r2.x * s13_01;

    const float m03 = (r1.x * s12_23 - r2.x * s12_13) + r3.x * s12_12;
    const float m13 = (r0.x * s12_23 - r2.x * s12_03) + r3.x * s12_02;
    const float m23 = (r0.x * s12_13 - r1.x * s12_03) + r3.x * s12_01;
    const float m33 = (r0.x * s12_12 - r1.x * s12_02) + r2.x * s12_01;

    const float k = 1.0f / det;
    // result[j][i] = (-1)^(i+j) minor(i, j) / det: the transposed cofactors.
    return {m00 * k,  -m10 * k, m20 * k,  -m30 * k,   //
            -m01 * k, m11 * k,  -m21 * k, m31 * k,    //
            m02 * k,  -m12 * k, m22 * k,  -m32 * k,   //
            -m03 * k, m13 * k,  -m23 * k, m33 * k};
}

constexpr mat4 mat4::affine_inverse() const {
    const float d = block_determinant(*this, 0, 1, 2, 0, 1, 2);
    if (!(d > 0.0f) && !(d < 0.0f)) return *this;
    const float r = 1.0f / d;
    // others[k] lists the three indices other than k, ascending.
    constexpr int others[4][3] = {{1, 2, 3}, {0, 2, 3}, {0, 1, 3}, {0, 1, 2}};
    mat4 result;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            const int* rs = others[j];
            const int* cs = others[i];
            const float cofactor = block_determinant(*this, rs[0], rs[1], rs[2], cs[0], cs[1], cs[2]);
            result[i][j] = ((i + j) % 2 == 0 ? cofactor : -cofactor) * r;
        }
    }
    result[3][3] = 1.0f;
    return result;
}

constexpr mat4 affine_inverse(const mat4& a) { return a.affine_inverse(); }

constexpr bool is_defined(const mat4& a) {
    return is_defined(a[0]) && is_defined(a[1]) && is_defined(a[2]) && is_defined(a[3]);
}

constexpr mat4::mat4(const quat& q) : rows{} {
    const float w = q.w, x = q.x, y = q.y, z = q.z;
    const float ww = w * w, xx = x * x, yy = y * y, zz = z * z;
    const float n = ((ww + xx) + yy) + zz;
    rows[0] = {(((ww + xx) - yy) - zz) / n, (2.0f * x * y - 2.0f * w * z) / n,
               (2.0f * x * z + 2.0f * w * y) / n, 0.0f};
    rows[1] = {(2.0f * x * y + 2.0f * w * z) / n, (((ww - xx) + yy) - zz) / n,
               (2.0f * y * z - 2.0f * w * x) / n, 0.0f};
    rows[2] = {(2.0f * x * z - 2.0f * w * y) / n, (2.0f * y * z + 2.0f * w * x) / n,
               (((ww - xx) - yy) + zz) / n, 0.0f};
    rows[3] = {0.0f, 0.0f, 0.0f, 1.0f};
}
