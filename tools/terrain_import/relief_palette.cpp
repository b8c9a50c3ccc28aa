#include "tools/terrain_import/relief_palette.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct stop {
    double at;
    rgb colour;
};

template <std::size_t N>
rgb interpolate(const std::array<stop, N>& stops, double t) {
    t = std::clamp(std::isfinite(t) ? t : 0.0, 0.0, 1.0);
    for (std::size_t k = 1; k < N; ++k) {
        if (t <= stops[k].at) {
            const double f = (t - stops[k - 1].at) / (stops[k].at - stops[k - 1].at);
            const rgb& a = stops[k - 1].colour;
            const rgb& b = stops[k].colour;
            return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f};
        }
    }
    return stops[N - 1].colour;
}

constexpr std::array<stop, 6> land{{
    {0.00, {0.47, 0.68, 0.44}},
    {0.20, {0.66, 0.79, 0.52}},
    {0.42, {0.89, 0.86, 0.60}},
    {0.64, {0.82, 0.68, 0.48}},
    {0.84, {0.70, 0.56, 0.46}},
    {1.00, {0.96, 0.95, 0.93}},
}};

constexpr std::array<stop, 5> lines{{
    {0.00, {0.16, 0.42, 0.22}},
    {0.30, {0.38, 0.52, 0.16}},
    {0.55, {0.62, 0.46, 0.12}},
    {0.80, {0.55, 0.27, 0.14}},
    {1.00, {0.30, 0.22, 0.22}},
}};

}  // namespace

rgb land_tint(double t) { return interpolate(land, t); }
rgb line_tint(double t) { return interpolate(lines, t); }

rgb lit(rgb colour, double light) {
    return {std::clamp(colour.r * light, 0.0, 1.0), std::clamp(colour.g * light, 0.0, 1.0),
            std::clamp(colour.b * light, 0.0, 1.0)};
}
