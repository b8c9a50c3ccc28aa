#pragma once
// Colour models with named components beside RGB, which lives in a vec3 (r, g, b in
// x, y, z) with channels nominally in 0..1. Nothing is clamped.

#include "math/vec3.h"

// Hue as a fraction of a turn in [0, 1) (0 red, 1/6 yellow, 1/3 green, 1/2 cyan,
// 2/3 blue, 5/6 magenta), saturation in 0..1, value = the largest RGB channel.
struct hsv {
    float h, s, v;

    hsv() = default;  // components unset
    constexpr hsv(float h_, float s_, float v_) : h(h_), s(s_), v(v_) {}

    // The HSV of an RGB colour. Where the colour defines no hue (a grey) the hue of
    // `previous` is kept, and where it defines neither hue nor saturation (black,
    // value at or below 0.0002) both are kept.
    hsv(const vec3& rgb, const hsv& previous);

    // Becomes hsv(rgb, *this).
    hsv& operator=(const vec3& rgb) { return *this = hsv(rgb, *this); }
    hsv& operator=(const hsv&) = default;
    hsv(const hsv&) = default;

    // The RGB colour. A hue at or above 1 is taken as 0; a hue at or below -1/6 (not
    // wrapped) or a NaN hue has no colour and gives the undefined value in all three
    // channels.
    explicit operator vec3() const;
};

// The subtractive complement of an RGB colour.
struct cmy {
    float c, m, y;

    cmy() = default;  // components unset
    constexpr cmy(float c_, float m_, float y_) : c(c_), m(m_), y(y_) {}

    // RGB (1 - c, 1 - m, 1 - y).
    constexpr explicit operator vec3() const { return {1.0f - c, 1.0f - m, 1.0f - y}; }
};
