#pragma once
// Scalar helpers of the math library: the undefined value and the tests that
// recognise it, the finiteness test, and the single-precision forms of the
// mathematical functions.

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

// The library's marker for a float that holds no value: the float signalling NaN.
// A quiet NaN is not the undefined value.
inline constexpr float undefined_value = std::numeric_limits<float>::signaling_NaN();

// The tolerance below which geometry counts as degenerate (the float nearest 0.0002).
inline constexpr float degenerate_tolerance = 0.0002f;

// pi as the float 3.1415927 (bits 0x40490FDB) and twice that float.
inline constexpr float float_pi = 3.1415927f;
inline constexpr float float_two_pi = 2.0f * float_pi;

// False only for a NaN whose low 22 bits are not all zero, the undefined value among
// them. Bit 22, the quiet bit, is left out on purpose: on 32-bit x86 a float returned
// from a function travels through an x87 register, whose load sets that bit, and the
// undefined value must still be recognised afterwards. Infinities are defined, and so
// is a quiet NaN whose low 22 bits are zero (0x7FC00000, 0xFFC00000).
constexpr bool is_defined(float f) noexcept {
    const auto bits = std::bit_cast<std::uint32_t>(f);
    return (bits & 0x7F800000u) != 0x7F800000u || (bits & 0x003FFFFFu) == 0;
}

// False for the infinities and every NaN.
constexpr bool is_finite(float f) noexcept {
    return (std::bit_cast<std::uint32_t>(f) & 0x7F800000u) != 0x7F800000u;
}

// The mathematical functions in single precision: the argument is widened to
// double, the double function is applied and the result rounded to float, so that
// a result does not depend on the quality of a platform's float functions.
namespace scalar {

inline float cos(float a) { return static_cast<float>(std::cos(static_cast<double>(a))); }
inline float sin(float a) { return static_cast<float>(std::sin(static_cast<double>(a))); }
inline float asin(float a) { return static_cast<float>(std::asin(static_cast<double>(a))); }
inline float acos(float a) { return static_cast<float>(std::acos(static_cast<double>(a))); }
// atan2 takes the ordinate first and returns an angle in [-pi, pi].
inline float atan2(float y, float x) {
    return static_cast<float>(std::atan2(static_cast<double>(y), static_cast<double>(x)));
}
// The float square root is correctly rounded, and so is the double one rounded to
// float (double carries more than twice the bits), so both give the same value.
inline float sqrt(float a) { return std::sqrt(a); }
inline float fabs(float a) { return std::fabs(a); }

}  // namespace scalar
