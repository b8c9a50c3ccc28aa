// Conversions between RGB and HSV.

#include "math/colour.h"

namespace {
// Below it a saturation counts as grey and a value as black (the float nearest 0.0002).
constexpr float threshold = degenerate_tolerance;
}  // namespace

hsv::operator vec3() const {
    if (s < threshold) return {v, v, v};
    const float hue = h >= 1.0f ? 0.0f : h;
    const float h6 = hue * 6.0f;
    // Only hues above -1/6 truncate to a sector 0..5; test before converting, since
    // converting a NaN or a huge float to int is undefined.
    if (!(h6 > -1.0f)) return {undefined_value, undefined_value, undefined_value};
    const int i = static_cast<int>(h6);
    const float f = h6 - static_cast<float>(i);
    const float p = v * (1.0f - s);
    const float q = v * (1.0f - s * f);
    const float t = v * (1.0f - s * (1.0f - f));
    switch (i) {
        case 0: return {v, t, p};
        case 1: return {q, v, p};
        case 2: return {p, v, t};
        case 3: return {p, q, v};
        case 4: return {t, p, v};
        default: return {v, p, q};
    }
}

hsv::hsv(const vec3& rgb, const hsv& previous) : hsv(previous) {
    const float r = rgb[0], g = rgb[1], b = rgb[2];
    float max = r, min = r;
    if (g > max) max = g;
    if (b > max) max = b;
    if (g < min) min = g;
    if (b < min) min = b;
    v = max;
    if (!(max > threshold)) return;
    s = (max - min) / max;
    if (!(s > threshold)) return;
    const float d = max - min;
    const float rc = (max - r) / d;
    const float gc = (max - g) / d;
    const float bc = (max - b) / d;
    float hue;
    if (max == r) {
        hue = bc - gc;
    } else if (max == g) {
        hue = 2.0f + rc - bc;
    } else {
        hue = 4.0f + gc - rc;
    }
    hue = hue * 0.16666667f;
    if (hue < 0.0f) hue = hue + 1.0f;
    h = hue;
}
