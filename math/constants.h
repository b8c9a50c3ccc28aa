#pragma once
// The library's constant values. Each is built from literals at compile time
// (constant initialisation), so it holds its value before any dynamic initialiser of
// any translation unit runs, and no initialisation order can observe it unset.

#include "math/mat4.h"
#include "math/quat.h"
#include "math/vec3.h"
#include "math/vec4.h"

inline constexpr mat4 mat4_identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
inline constexpr mat4 mat4_zero{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// RGB colours: r, g, b in x, y, z.
inline constexpr vec3 rgb_black{0.0f, 0.0f, 0.0f};
inline constexpr vec3 rgb_grey25{0.25f, 0.25f, 0.25f};
inline constexpr vec3 rgb_grey50{0.5f, 0.5f, 0.5f};
inline constexpr vec3 rgb_grey85{0.85f, 0.85f, 0.85f};
inline constexpr vec3 rgb_white{1.0f, 1.0f, 1.0f};
inline constexpr vec3 rgb_red{1.0f, 0.0f, 0.0f};
inline constexpr vec3 rgb_green{0.0f, 1.0f, 0.0f};
inline constexpr vec3 rgb_blue{0.0f, 0.0f, 1.0f};
inline constexpr vec3 rgb_yellow{1.0f, 1.0f, 0.0f};
inline constexpr vec3 rgb_magenta{1.0f, 0.0f, 1.0f};
inline constexpr vec3 rgb_cyan{0.0f, 1.0f, 1.0f};

// RGBA colours: the same, with alpha 1 in w.
inline constexpr vec4 rgba_black{0.0f, 0.0f, 0.0f, 1.0f};
inline constexpr vec4 rgba_grey25{0.25f, 0.25f, 0.25f, 1.0f};
inline constexpr vec4 rgba_grey50{0.5f, 0.5f, 0.5f, 1.0f};
inline constexpr vec4 rgba_grey85{0.85f, 0.85f, 0.85f, 1.0f};
inline constexpr vec4 rgba_white{1.0f, 1.0f, 1.0f, 1.0f};
inline constexpr vec4 rgba_red{1.0f, 0.0f, 0.0f, 1.0f};
inline constexpr vec4 rgba_green{0.0f, 1.0f, 0.0f, 1.0f};
inline constexpr vec4 rgba_blue{0.0f, 0.0f, 1.0f, 1.0f};
inline constexpr vec4 rgba_yellow{1.0f, 1.0f, 0.0f, 1.0f};
inline constexpr vec4 rgba_magenta{1.0f, 0.0f, 1.0f, 1.0f};
inline constexpr vec4 rgba_cyan{0.0f, 1.0f, 1.0f, 1.0f};

inline constexpr quat quat_identity{1.0f, 0.0f, 0.0f, 0.0f};
inline constexpr quat quat_zero{0.0f, 0.0f, 0.0f, 0.0f};
