// Prints the exact bit patterns of a fixed battery of math library results, one
// labelled line each, so that the output of two builds (the native one and the
// 32-bit Windows one) can be compared byte for byte. No randomness: every input is
// written out below.

#include "math/colour.h"
#include "math/constants.h"
#include "math/float4_rotation.h"
#include "math/float4x4.h"
#include "math/float4x4_transforms.h"
#include "math/interpolation.h"
#include "math/rotation.h"
#include "math/transforms.h"
#include "math/vec2.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include <bit>
#include <cstdint>
#include <cstdio>
#include <initializer_list>

namespace {

int lines = 0;

// Values are read from memory, never returned through a float register, so that a
// signalling NaN keeps its payload on 32-bit x86 as well.
void print(const char* label, std::initializer_list<float> values) {
    std::printf("%s", label);
    for (const float& v : values) std::printf(" %08X", static_cast<unsigned>(std::bit_cast<std::uint32_t>(v)));
    std::printf("\n");
    ++lines;
}
void print(const char* label, const vec2& v) { print(label, {v.x, v.y}); }
void print(const char* label, const vec3& v) { print(label, {v.x, v.y, v.z}); }
void print(const char* label, const vec4& v) { print(label, {v.x, v.y, v.z, v.w}); }
void print(const char* label, const float4& v) { print(label, {v.x, v.y, v.z, v.w}); }
void print(const char* label, const quat& q) { print(label, {q.w, q.x, q.y, q.z}); }
void print(const char* label, const hsv& h) { print(label, {h.h, h.s, h.v}); }
void print(const char* label, const mat4& m) {
    print(label, {m[0].x, m[0].y, m[0].z, m[0].w, m[1].x, m[1].y, m[1].z, m[1].w, m[2].x, m[2].y, m[2].z, m[2].w,
                  m[3].x, m[3].y, m[3].z, m[3].w});
}
void print(const char* label, const float4x4& m) { print(label, static_cast<mat4>(m)); }
void print(const char* label, bool b) { print(label, {b ? 1.0f : 0.0f}); }

void scalars_and_vectors() {
    const float args[] = {0.3f, -1.7f, 2.5f};
    for (const float& a : args) print("scalar cos sin atan2", {scalar::cos(a), scalar::sin(a), scalar::atan2(a, 0.7f)});
    print("scalar asin acos sqrt", {scalar::asin(0.3f), scalar::acos(-0.6f), scalar::sqrt(2.0f)});
    print("undefined", {undefined_value});
    print("is_defined", {is_defined(undefined_value) ? 1.0f : 0.0f, is_defined(0.0f) ? 1.0f : 0.0f});
    const vec3 a(1.5f, -2.25f, 0.3f), b(-0.7f, 4.0f, 2.0f);
    print("vec3 add sub", a + b - a * 0.3f);
    print("vec3 div", a / 3.0f);
    print("vec3 cross", cross(a, b));
    print("vec3 dot length", {dot(a, b), length(a)});
    vec3 n = a;
    const float len = normalize(n);
    print("vec3 normalize", {n.x, n.y, n.z, len});
    vec3 huge(1e38f, 1e38f, 0.0f);
    const float huge_len = normalize(huge);
    print("vec3 normalize huge", {huge.x, huge.y, huge.z, huge_len});
    print("vec3 normalized", normalized(b));
    print("vec2 polar 1", to_polar(vec2(1.0f, -1.0f)));
    print("vec2 polar 2", to_polar(vec2(-0.3f, 0.8f)));
    print("vec2 polar 3", to_polar(vec2(-2.0f, -0.5f)));
    print("vec2 in rect", vec2(9.99f, 0.0f).is_in_rect({0, 0, 10, 10}));
}

const mat4 sample(2, -1, 0.5f, 0.1f, 1, 3, -2, 0.2f, 0.25f, 1, 4, -0.3f, 5, -6, 7, 1.5f);

void matrices() {
    const mat4 other = rotation_from_euler(vec3(0.3f, -0.5f, 1.1f)) * translation(vec3(1, 2, 3));
    print("mat4 product", sample * other);
    print("mat4 sum", sample + other - other * 0.5f);
    print("vec4 times mat4", vec4(0.5f, -1.5f, 2.0f, 1.0f) * sample);
    print("transform_point", transform_point(vec3(1, 2, 3), sample));
    print("determinant", {determinant(sample), block_determinant(sample, 0, 2, 3, 1, 2, 3)});
    print("inverse", inverse(sample));
    print("inverse singular", inverse(mat4_zero));
    print("affine_inverse", (scaling(vec3(2, 3, 4)) * other).affine_inverse());
    mat4 h = sample;
    print("homogenize", h.homogenize());
    print("mat4 undefined", mat4::undefined());
    vec3 s, sh, r, t;
    const mat4 composed = scaling(vec3(2, 3, 4)) * shearing(vec3(0.1f, 0.2f, 0.3f)) *
                          rotation_from_euler(vec3(0.3f, -0.5f, 1.1f)) * translation(vec3(5, 6, 7));
    composed.decompose(s, sh, r, t);
    print("decompose scale", s);
    print("decompose shear", sh);
    print("decompose rotation", r);
    print("decompose translation", t);
    (scaling(vec3(-2, 3, 4)) * rotation_from_euler(vec3(0.4f, 1.5707964f, 0.3f))).decompose(s, sh, r, t);
    print("decompose mirrored locked", {s.x, s.y, s.z, r.x, r.y, r.z});
}

void quaternions() {
    const quat p(0.8f, -0.2f, 0.3f, 0.1f), r(-0.4f, 0.5f, 0.6f, -0.2f);
    print("quat product", p * r);
    print("quat division", p / r);
    print("quat inverse", p.inverse());
    print("quat normalized", normalized(p));
    print("quat arithmetic", (p + r) * 0.5f - r / 3.0f);
    print("quat default", quat());
    print("quat undefined", quat::undefined());
    print("quat_from_euler", quat_from_euler(vec3(0.3f, -0.5f, 1.1f)));
    print("mat4 of quat", mat4(p));
    print("quat_from_matrix", quat_from_matrix(sample));
    vec3 e;
    p.to_euler(e);
    print("to_euler", e);
    print("rotation_between", rotation_between(vec3(1, 0, 0), vec3(0.6f, 0.8f, 0)));
    print("rotation_between opposite", rotation_between(vec3(0.6f, 0, 0.8f), vec3(-0.6f, 0, -0.8f)));
    print("rotation_between axis", rotation_between(vec3(1, 0, 0.5f), vec3(0, 1, -3), vec3(0, 0, 1), true));
    print("rotation_between axis free", rotation_between(vec3(1, 0, 0), vec3(0.6f, 0.8f, 0), vec3(0, 0, 1), false));
    print("forward_point", p.forward_point(5.0f));
    quat q = p;
    q.rotate_by(sample);
    print("rotate_by", q);
    print("slerp", slerp(normalized(p), normalized(r), 0.3f));
    print("slerp near", slerp(quat_identity, quat_from_euler(vec3(0, 0.01f, 0)), 0.3f));
    print("lerp", lerp(p, r, 0.3f));
}

void builders_and_second_form() {
    print("scaling_about", scaling_about(vec3(1, 2, 3), vec3(2, 0.5f, 3)));
    print("scaling_along", scaling_along(vec3(1, 2, 3), vec3(1, 1, 0), 2.5f));
    print("rotation_about_axis", rotation_about_axis(vec3(1, 2, 3), 0.7f));
    print("rotation_about_point", rotation_about_point(vec3(1, 0, 0), vec3(0, 0, 1), 3.1415927f));
    print("rotation_about_point quat", rotation_about_point(vec3(1, 2, 0), quat(0.8f, -0.2f, 0.3f, 0.1f)));
    print("rotation_matrix_between", rotation_matrix_between(vec3(0, 1, 0), vec3(0, -1, 0)));
    print("rotation_to_x", rotation_to_x(vec3(0.3f, -0.4f, 1.2f)));
    print("rotation_to_y", rotation_to_y(vec3(0, -2, 0)));
    print("rotation_to_z", rotation_to_z(vec3(-1, 2, 0.5f)));

    const float4 v(3, 0, 4, 10);
    print("float4 normalized", normalized(v));
    print("float4 cross", cross(float4(1, 2, 3, 5), float4(-2, 0.5f, 1, 7)));
    print("float4 lerp", lerp(float4(1, 2, 3, 4), float4(-5, 6, 0.5f, 8), 0.3f));
    const float4x4 m = scaling_about(float4(1, 1, 1, 0), float4(2, 2, 2, 0)) *
                       shearing(float4(0.1f, 0.2f, 0.3f, 0)) * rotation_from_euler(float4(0.3f, -0.5f, 1.1f, 0)) *
                       translation(float4(5, 6, 7, 0)) * float4x4_scaling(1.5f);
    print("float4x4 product", m);
    print("float4 times float4x4", float4(0.5f, -1.5f, 2.0f, 1.0f) * m);
    print("float4x4 inverse", inverse(m));
    float4x4 h = m;
    h(3, 3) = 3.0f;
    print("float4x4 homogenize", h.homogenize());
    print("float4x4 of quat", float4x4(quat(0.8f, -0.2f, 0.3f, 0.1f)));
    print("to_euler_float4", with_w(quat(0.8f, -0.2f, 0.3f, 0.1f).to_euler_float4(), 0.0f));
    print("interpolate_transform", interpolate_transform(m, float4x4_identity, 0.3f));
    const float4x4 half_a = rotation_from_euler(float4(0, 0, 3.1415927f, 0));
    print("interpolate_transform half turns", interpolate_transform(half_a, half_a * float4x4_scaling(2.0f), 0.5f));
}

void colours() {
    const hsv prev(0.3f, 0.8f, 0.1f);
    print("hsv of rgb 1", hsv(vec3(1, 0, 0.5f), prev));
    print("hsv of rgb 2", hsv(vec3(0.2f, 0.7f, 0.4f), prev));
    print("hsv of grey", hsv(vec3(0.5f, 0.5f, 0.5f), prev));
    print("rgb of hsv 1", static_cast<vec3>(hsv(0.7f, 0.6f, 0.9f)));
    print("rgb of hsv 2", static_cast<vec3>(hsv(-0.1f, 1, 1)));
    print("rgb of hsv none", static_cast<vec3>(hsv(-0.5f, 1, 1)));
    print("rgb of cmy", static_cast<vec3>(cmy(0, 0.25f, 1)));
    print("palette", rgba_grey85);
}

}  // namespace

int main() {
#if defined(_WIN32)
    // Compared byte for byte with the native build: no "\r\n" translation.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    scalars_and_vectors();
    matrices();
    quaternions();
    builders_and_second_form();
    colours();
    std::printf("math_probe: %d results\n", lines);
    return 0;
}
