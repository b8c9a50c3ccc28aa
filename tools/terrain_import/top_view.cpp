#include "tools/terrain_import/preview_views.h"
#include "tools/terrain_import/relief_palette.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Light from the upper left of the map (north-west when z points north), 45 degrees
// above the horizon: the usual direction for shaded relief, which reads as raised.
constexpr double light_east = -0.5, light_north = 0.5, light_up = 0.70710678;

// Slopes are steepened for the shading only, more for terrain that is flat for its size,
// so that gentle relief still reads and steep relief does not turn black.
double shading_exaggeration(const preview_terrain& t) {
    const double across_m = std::max(t.grid.rows, t.grid.columns) * t.spacing * t.metres_per_unit;
    const double relief_m = std::max(t.high_m - t.low_m, 1.0);
    return std::clamp(0.25 * across_m / relief_m, 1.0, 5.0);
}

struct cell_light {
    std::vector<double> elevation;  // metres
    std::vector<double> light;      // 1 on flat ground
};

// Each point's light from the slope around it, by central differences (one-sided at
// the edges).
cell_light light_points(const preview_terrain& t) {
    const sampled_grid& g = t.grid;
    cell_light out;
    out.elevation.resize(g.points.size());
    out.light.resize(g.points.size());
    for (std::size_t k = 0; k < g.points.size(); ++k) out.elevation[k] = t.metres(g.points[k]);
    const double step_m = t.spacing * t.metres_per_unit / shading_exaggeration(t);
    auto e = [&](int i, int j) { return out.elevation[g.index(i, j)]; };
    for (int i = 0; i < g.rows; ++i) {
        for (int j = 0; j < g.columns; ++j) {
            const int j0 = std::max(j - 1, 0), j1 = std::min(j + 1, g.columns - 1);
            const int i0 = std::max(i - 1, 0), i1 = std::min(i + 1, g.rows - 1);
            const double de = j1 > j0 ? (e(i, j1) - e(i, j0)) / ((j1 - j0) * step_m) : 0;
            const double dn = i1 > i0 ? (e(i1, j) - e(i0, j)) / ((i1 - i0) * step_m) : 0;
            const double length = std::sqrt(de * de + dn * dn + 1);
            const double lambert = (-de * light_east - dn * light_north + light_up) / length;
            out.light[g.index(i, j)] = std::max(lambert, 0.0) / light_up;
        }
    }
    return out;
}

std::uint32_t pixel(rgb c) {
    auto channel = [](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return 0xFF000000u | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

}  // namespace

panel_box draw_top_view(cairo_t* cr, const preview_terrain& t, const panel_box& box) {
    const sampled_grid& g = t.grid;
    // Each point stands for the square around it, so a grid of one point still shows.
    const double scale = std::min(box.width / g.columns, box.height / g.rows);  // pixels per point
    const int width = std::max(1, static_cast<int>(std::floor(g.columns * scale)));
    const int height = std::max(1, static_cast<int>(std::floor(g.rows * scale)));
    const panel_box map{box.x + std::floor((box.width - width) / 2), box.y + std::floor((box.height - height) / 2),
                        static_cast<double>(width), static_cast<double>(height)};

    const cell_light lights = light_points(t);
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);

    for (int py = 0; py < height; ++py) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(py) * stride);
        // z grows upward in the picture: the first line of the file is at the bottom.
        const double v = std::clamp((height - 0.5 - py) / scale - 0.5, 0.0, g.rows - 1.0);
        const int i0 = static_cast<int>(v), i1 = std::min(i0 + 1, g.rows - 1);
        const double fv = v - i0;
        const int nearest_i = std::clamp(static_cast<int>((height - 0.5 - py) / scale), 0, g.rows - 1);
        for (int px = 0; px < width; ++px) {
            const int nearest_j = std::clamp(static_cast<int>((px + 0.5) / scale), 0, g.columns - 1);
            if (g.mark(nearest_i, nearest_j) != cell_census::given) {
                // Diagonal hatching every 7 pixels.
                row[px] = pixel((px + py) % 7 < 2 ? missing_hatch : missing_fill);
                continue;
            }
            const double u = std::clamp((px + 0.5) / scale - 0.5, 0.0, g.columns - 1.0);
            const int j0 = static_cast<int>(u), j1 = std::min(j0 + 1, g.columns - 1);
            const double fu = u - j0;
            auto blend = [&](const std::vector<double>& f) {
                const double top = f[g.index(i0, j0)] * (1 - fu) + f[g.index(i0, j1)] * fu;
                const double bottom = f[g.index(i1, j0)] * (1 - fu) + f[g.index(i1, j1)] * fu;
                return top * (1 - fv) + bottom * fv;
            };
            const double elevation = blend(lights.elevation);
            const double light = blend(lights.light);
            row[px] = pixel(lit(land_tint(t.share(elevation)), 0.42 + 0.58 * light));
        }
    }
    cairo_surface_mark_dirty(image);
    cairo_set_source_surface(cr, image, map.x, map.y);
    cairo_paint(cr);
    cairo_surface_destroy(image);

    cairo_set_source_rgb(cr, frame_colour.r, frame_colour.g, frame_colour.b);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, map.x - 0.5, map.y - 0.5, map.width + 1, map.height + 1);
    cairo_stroke(cr);
    return map;
}
