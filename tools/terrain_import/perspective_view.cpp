#include "tools/terrain_import/preview_views.h"
#include "tools/terrain_import/relief_palette.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;
// The camera looks from the low-z side, turned toward low x, from above.
constexpr double camera_azimuth = 32 * pi / 180;
constexpr double camera_elevation = 28 * pi / 180;
// Distance from the terrain's centre in terrain radii: far enough for a mild perspective.
constexpr double camera_distance = 2.6;

struct v3 {
    double x, y, z;
};
v3 operator-(v3 a, v3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double dot(v3 a, v3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
v3 cross(v3 a, v3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
v3 normalised(v3 a) {
    const double l = std::sqrt(dot(a, a));
    return {a.x / l, a.y / l, a.z / l};
}

struct screen_point {
    double x, y;
};

// A pinhole camera. Screen x grows with world x when looking toward +z, screen y
// grows downward; the caller scales the result to the panel.
class camera {
public:
    camera(v3 target, double radius) {
        const v3 offset{-std::sin(camera_azimuth) * std::cos(camera_elevation), std::sin(camera_elevation),
                        -std::cos(camera_azimuth) * std::cos(camera_elevation)};
        eye_ = {target.x + offset.x * radius * camera_distance, target.y + offset.y * radius * camera_distance,
                target.z + offset.z * radius * camera_distance};
        forward_ = normalised(target - eye_);
        right_ = normalised(cross({0, 1, 0}, forward_));
        up_ = cross(forward_, right_);
    }

    double depth(v3 p) const { return dot(p - eye_, forward_); }

    screen_point project(v3 p) const {
        const v3 q = p - eye_;
        const double d = dot(q, forward_);
        return {dot(q, right_) / d, -dot(q, up_) / d};
    }

private:
    v3 eye_{}, forward_{}, right_{}, up_{};
};

void set_colour(cairo_t* cr, rgb c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

}  // namespace

void draw_perspective_view(cairo_t* cr, const preview_terrain& t, const panel_box& box) {
    const sampled_grid& g = t.grid;
    auto world = [&](const vec3& p) { return v3{p.x, p.y * t.vertical_exaggeration, p.z}; };

    double x0 = std::numeric_limits<double>::infinity(), x1 = -x0, y0 = x0, y1 = -x0, z0 = x0, z1 = -x0;
    for (const vec3& p : g.points) {
        const v3 w = world(p);
        x0 = std::min(x0, w.x), x1 = std::max(x1, w.x);
        y0 = std::min(y0, w.y), y1 = std::max(y1, w.y);
        z0 = std::min(z0, w.z), z1 = std::max(z1, w.z);
    }
    const double half = t.spacing / 2;  // a lone point or line still gets some room
    x0 -= half, x1 += half, z0 -= half, z1 += half;
    const double radius = 0.5 * std::sqrt((x1 - x0) * (x1 - x0) + (z1 - z0) * (z1 - z0) + (y1 - y0) * (y1 - y0));
    const double base = y0 - 0.015 * radius;  // the curtains below the lines reach down to here
    const camera view({(x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2}, radius);

    // Fit the projection of everything drawn into the panel.
    std::vector<screen_point> top(g.points.size()), bottom(g.points.size());
    double sx0 = std::numeric_limits<double>::infinity(), sx1 = -sx0, sy0 = sx0, sy1 = -sx0;
    auto grow = [&](screen_point s) {
        sx0 = std::min(sx0, s.x), sx1 = std::max(sx1, s.x), sy0 = std::min(sy0, s.y), sy1 = std::max(sy1, s.y);
    };
    for (std::size_t k = 0; k < g.points.size(); ++k) {
        const v3 w = world(g.points[k]);
        top[k] = view.project(w);
        bottom[k] = view.project({w.x, base, w.z});
        grow(top[k]);
        grow(bottom[k]);
    }
    const v3 corners[4] = {{x0, base, z0}, {x1, base, z0}, {x1, base, z1}, {x0, base, z1}};
    screen_point frame[4];
    for (int c = 0; c < 4; ++c) grow(frame[c] = view.project(corners[c]));
    const double margin = 28;
    const double scale = std::min((box.width - 2 * margin) / std::max(sx1 - sx0, 1e-9),
                                  (box.height - 2 * margin) / std::max(sy1 - sy0, 1e-9));
    const double ox = box.x + box.width / 2 - scale * (sx0 + sx1) / 2;
    const double oy = box.y + box.height / 2 - scale * (sy0 + sy1) / 2;
    auto to_panel = [&](screen_point s) { return screen_point{ox + scale * s.x, oy + scale * s.y}; };

    cairo_save(cr);
    cairo_rectangle(cr, box.x, box.y, box.width, box.height);
    cairo_clip(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);

    // The ground frame under the whole grid, drawn first so the terrain covers it.
    cairo_set_line_width(cr, 1);
    set_colour(cr, frame_colour);
    for (int c = 0; c < 4; ++c) {
        const screen_point p = to_panel(frame[c]);
        c == 0 ? cairo_move_to(cr, p.x, p.y) : cairo_line_to(cr, p.x, p.y);
    }
    cairo_close_path(cr);
    cairo_stroke(cr);
    // Which way x and z run: arrows along the two near edges of the frame.
    const double arrow = 0.14 * std::min(x1 - x0, z1 - z0) + 0.06 * std::max(x1 - x0, z1 - z0);
    const struct {
        v3 end;
        const char* label;
    } axes[2] = {{{x0 + arrow, base, z0}, "x"}, {{x0, base, z0 + arrow}, "z"}};
    const screen_point origin = to_panel(frame[0]);
    set_colour(cr, text_colour);
    cairo_set_line_width(cr, 1.5);
    for (const auto& axis : axes) {
        const screen_point tip = to_panel(view.project(axis.end));
        const double dx = tip.x - origin.x, dy = tip.y - origin.y, l = std::max(std::hypot(dx, dy), 1e-9);
        const double ux = dx / l, uy = dy / l;
        cairo_move_to(cr, origin.x, origin.y);
        cairo_line_to(cr, tip.x, tip.y);
        cairo_stroke(cr);
        cairo_move_to(cr, tip.x + ux * 8, tip.y + uy * 8);
        cairo_line_to(cr, tip.x - uy * 4, tip.y + ux * 4);
        cairo_line_to(cr, tip.x + uy * 4, tip.y - ux * 4);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_move_to(cr, tip.x + ux * 14 - 4, tip.y + uy * 14 + 5);
        cairo_show_text(cr, axis.label);
    }

    // Farthest line first: each line's curtain, filled with a shade just darker than the
    // background, hides what lies behind it, so the terrain reads as a body. Every line
    // has one z, and the camera is on the low-z side, so depth order is z order.
    std::vector<int> order(static_cast<std::size_t>(g.rows));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return view.depth(world(g.point(a, 0))) > view.depth(world(g.point(b, 0)));
    });
    const double line_width = std::clamp(box.height / std::max(g.rows, 1) / 2.5, 0.6, 1.8);
    cairo_set_line_width(cr, line_width);

    for (const int i : order) {
        if (g.columns > 1) {
            for (int j = 0; j < g.columns; ++j) {
                const screen_point p = to_panel(top[g.index(i, j)]);
                j == 0 ? cairo_move_to(cr, p.x, p.y) : cairo_line_to(cr, p.x, p.y);
            }
            for (int j = g.columns - 1; j >= 0; --j) {
                const screen_point p = to_panel(bottom[g.index(i, j)]);
                cairo_line_to(cr, p.x, p.y);
            }
            cairo_close_path(cr);
            set_colour(cr, terrain_body);
            cairo_fill(cr);
        }

        // Segments in runs of one colour: elevation quantised to 48 steps, missing apart.
        auto colour_key = [&](int j) {
            const std::size_t k = g.index(i, j);
            if (g.marks[k] != cell_census::given) return -1;
            return static_cast<int>(std::clamp(t.share(t.metres(g.points[k])), 0.0, 1.0) * 47 + 0.5);
        };
        if (g.columns == 1) {
            const screen_point p = to_panel(top[g.index(i, 0)]);
            const int key = colour_key(0);
            set_colour(cr, key < 0 ? missing_line : line_tint(key / 47.0));
            cairo_arc(cr, p.x, p.y, line_width * 1.5, 0, 2 * pi);
            cairo_fill(cr);
            continue;
        }
        int j = 0;
        while (j < g.columns - 1) {
            // A segment takes the key of its higher end, or "missing" if either end is.
            auto segment_key = [&](int s) {
                const int a = colour_key(s), b = colour_key(s + 1);
                return a < 0 || b < 0 ? -1 : std::max(a, b);
            };
            const int key = segment_key(j);
            const screen_point start = to_panel(top[g.index(i, j)]);
            cairo_move_to(cr, start.x, start.y);
            while (j < g.columns - 1 && segment_key(j) == key) {
                const screen_point p = to_panel(top[g.index(i, j + 1)]);
                cairo_line_to(cr, p.x, p.y);
                ++j;
            }
            set_colour(cr, key < 0 ? missing_line : line_tint(key / 47.0));
            cairo_stroke(cr);
        }
    }
    cairo_restore(cr);
}
