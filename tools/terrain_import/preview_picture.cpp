#include "tools/terrain_import/preview_picture.h"

#include "importers/terrain_line_builder.h"
#include "tools/terrain_import/geometry_formats.h"
#include "tools/terrain_import/png_writer.h"
#include "tools/terrain_import/preview_views.h"
#include "tools/terrain_import/relief_palette.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

constexpr double picture_width = 1440, picture_height = 750;
constexpr double margin = 24;
constexpr panel_box top_box{margin, 104, 560, 540};
constexpr panel_box perspective_box{top_box.x + top_box.width + margin, 104,
                                    picture_width - 3 * margin - top_box.width, 540};

void set_colour(cairo_t* cr, rgb c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

// A sans-serif face that can write Japanese part names when such a font is installed
// (the toy font API would pick a face without the glyphs).
class preview_fonts {
public:
    preview_fonts() {
        regular_ = load("IPAPGothic,sans-serif:lang=ja");
        bold_ = load("IPAPGothic,sans-serif:lang=ja:weight=bold");
    }
    ~preview_fonts() {
        if (regular_) cairo_font_face_destroy(regular_);
        if (bold_) cairo_font_face_destroy(bold_);
    }
    preview_fonts(const preview_fonts&) = delete;
    preview_fonts& operator=(const preview_fonts&) = delete;

    void use(cairo_t* cr, double size, bool bold = false) const {
        cairo_font_face_t* face = bold ? bold_ : regular_;
        if (face) {
            cairo_set_font_face(cr, face);
        } else {
            cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL,
                                   bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        }
        cairo_set_font_size(cr, size);
    }

private:
    static cairo_font_face_t* load(const char* description) {
        FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(description));
        if (pattern == nullptr) return nullptr;
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        FcPatternDestroy(pattern);
        if (match == nullptr) return nullptr;
        cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(match);
        FcPatternDestroy(match);
        if (cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS) {
            cairo_font_face_destroy(face);
            return nullptr;
        }
        return face;
    }

    cairo_font_face_t* regular_ = nullptr;
    cairo_font_face_t* bold_ = nullptr;
};

enum class anchor { left, centre, right };

double text_width(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

void text(cairo_t* cr, double x, double y, const std::string& s, anchor a = anchor::left) {
    const double w = a == anchor::left ? 0 : text_width(cr, s);
    cairo_move_to(cr, a == anchor::left ? x : a == anchor::centre ? x - w / 2 : x - w, y);
    cairo_show_text(cr, s.c_str());
}

std::string number(double value, int decimals = 0) {
    char out[48];
    std::snprintf(out, sizeof out, "%.*f", decimals, value);
    std::string s = out;
    if (s == "-0") s = "0";
    return s;
}

std::string distance(double metres) {
    return metres >= 1000 ? number(metres / 1000, std::fmod(metres, 1000) == 0 ? 0 : 1) + " km"
                          : number(metres) + " m";
}

// 1, 2 or 5 times a power of ten, the largest not above `limit`.
double round_length(double limit) {
    const double power = std::pow(10.0, std::floor(std::log10(limit)));
    for (const double f : {5.0, 2.0, 1.0}) {
        if (f * power <= limit) return f * power;
    }
    return power;
}

// Tick step for an axis of `range` metres: about five ticks.
double tick_step(double range) {
    const double raw = range / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double f : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (f * power >= raw) return f * power;
    }
    return 10 * power;
}

void hatched_swatch(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip_preserve(cr);
    set_colour(cr, missing_fill);
    cairo_fill(cr);
    set_colour(cr, missing_hatch);
    cairo_set_line_width(cr, 2);
    for (double d = -h; d < w + h; d += 7) {
        cairo_move_to(cr, x + d, y + h);
        cairo_line_to(cr, x + d + h, y);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

struct picture_facts {
    std::string part_name;
    std::string subtitle;
    std::string missing_note;
    bool any_missing = false;
};

picture_facts facts_of(const preview_request& r, const preview_terrain& t) {
    picture_facts f;
    f.part_name = r.terrain.parts.empty() ? "(no part)" : readable_part_name(r.terrain.parts.front().name);
    const double spacing_m = t.spacing * t.metres_per_unit;
    f.subtitle = std::string(r.chosen.name) + "  \u00b7  " + r.file_name + " (" +
                 std::string(kind_description(r.chosen.kind)) + ")  \u00b7  grid " + std::to_string(r.census.rows) +
                 " \u00d7 " + std::to_string(r.census.columns) + "  \u2192  " + std::to_string(r.terrain.lines.size()) +
                 " lines \u00d7 " + std::to_string(t.grid.columns) + " points, " + number(spacing_m) + " m apart";
    for (const auto mark : t.grid.marks) f.any_missing |= mark != cell_census::given;
    if (r.chosen.kind == elevation_file_kind::mem) {
        f.missing_note = "no elevation in the file: imported at 0 m";
    } else {
        f.missing_note = "no elevation in the file: filled at " + number(r.census.missing_became / 10.0) + " m";
    }
    return f;
}

void draw_legend(cairo_t* cr, const preview_fonts& fonts, const preview_terrain& t, const picture_facts& f,
                 const panel_box& map) {
    const double y = top_box.y + top_box.height + 22;
    // Elevation colour bar.
    const double bar_x = margin, bar_w = 300, bar_h = 12;
    cairo_pattern_t* gradient = cairo_pattern_create_linear(bar_x, 0, bar_x + bar_w, 0);
    for (int k = 0; k <= 20; ++k) {
        const rgb c = land_tint(k / 20.0);
        cairo_pattern_add_color_stop_rgb(gradient, k / 20.0, c.r, c.g, c.b);
    }
    cairo_rectangle(cr, bar_x, y, bar_w, bar_h);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
    set_colour(cr, frame_colour);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, bar_x - 0.5, y - 0.5, bar_w + 1, bar_h + 1);
    cairo_stroke(cr);

    fonts.use(cr, 12);
    set_colour(cr, text_colour);
    const double range = t.high_m - t.low_m;
    if (range > 0) {
        const double step = tick_step(range);
        for (double v = std::ceil(t.low_m / step) * step; v <= t.high_m + 1e-9; v += step) {
            const double x = bar_x + bar_w * (v - t.low_m) / range;
            cairo_move_to(cr, std::round(x) + 0.5, y + bar_h);
            cairo_line_to(cr, std::round(x) + 0.5, y + bar_h + 5);
            cairo_stroke(cr);
            text(cr, x, y + bar_h + 18, number(v, step < 1 ? 1 : 0), anchor::centre);
        }
    } else {
        text(cr, bar_x, y + bar_h + 18, number(t.low_m, 1) + " (flat)");
    }
    text(cr, bar_x + bar_w + 10, y + 11, "elevation (m)");

    if (f.any_missing) {
        hatched_swatch(cr, bar_x, y + 44, 28, 14);
        text(cr, bar_x + 38, y + 56, f.missing_note);
    }

    // Scale bar under the map's right end.
    const double metres_per_pixel = t.grid.columns * t.spacing * t.metres_per_unit / map.width;
    const double length_m = round_length(map.width * 0.3 * metres_per_pixel);
    const double length_px = length_m / metres_per_pixel;
    const double sx = map.x + map.width - length_px, sy = y + 4;
    set_colour(cr, text_colour);
    cairo_rectangle(cr, sx, sy, length_px / 2, 5);
    cairo_fill(cr);
    cairo_rectangle(cr, sx + 0.5, sy + 0.5, length_px - 1, 5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    text(cr, sx, sy + 22, "0", anchor::centre);
    text(cr, sx + length_px, sy + 22, distance(length_m), anchor::centre);
}

void draw_axes(cairo_t* cr, const preview_fonts& fonts, const panel_box& map) {
    // Which way x and z run on the map: the host's axes, not compass directions.
    const double x = map.x + 14, y = map.y + map.height - 14;
    cairo_set_source_rgba(cr, 1, 1, 1, 0.75);
    cairo_rectangle(cr, x - 8, y - 50, 64, 58);
    cairo_fill(cr);
    set_colour(cr, text_colour);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 34, y);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y - 34);
    cairo_stroke(cr);
    cairo_move_to(cr, x + 40, y);
    cairo_line_to(cr, x + 32, y - 4);
    cairo_line_to(cr, x + 32, y + 4);
    cairo_close_path(cr);
    cairo_move_to(cr, x, y - 40);
    cairo_line_to(cr, x - 4, y - 32);
    cairo_line_to(cr, x + 4, y - 32);
    cairo_close_path(cr);
    cairo_fill(cr);
    fonts.use(cr, 12, true);
    text(cr, x + 42, y + 4, "x");
    text(cr, x + 6, y - 36, "z");
}

preview_terrain terrain_of(const preview_request& r) {
    preview_terrain t;
    t.grid = make_sampled_grid(r.terrain, r.census, r.chosen.sample_step);
    t.spacing = grid_point_spacing * r.chosen.sample_step;
    t.metres_per_unit = metres_per_host_unit(r.chosen.kind);
    t.vertical_exaggeration = r.vertical_exaggeration;
    double low = std::numeric_limits<double>::infinity(), high = -low;
    double any_low = low, any_high = high;
    for (std::size_t k = 0; k < t.grid.points.size(); ++k) {
        const double m = t.metres(t.grid.points[k]);
        any_low = std::min(any_low, m), any_high = std::max(any_high, m);
        if (t.grid.marks[k] == cell_census::given) low = std::min(low, m), high = std::max(high, m);
    }
    if (low > high) low = any_low, high = any_high;  // nothing given: scale by what was imported
    t.low_m = low;
    t.high_m = high > low ? high : low + 1;
    return t;
}

}  // namespace

bool draw_preview_png(const preview_request& request, std::FILE* png, std::string& problem) {
    const preview_terrain terrain = terrain_of(request);
    const picture_facts facts = facts_of(request, terrain);
    const preview_fonts fonts;

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(picture_width),
                                                          static_cast<int>(picture_height));
    cairo_t* cr = cairo_create(surface);
    set_colour(cr, page_background);
    cairo_paint(cr);

    fonts.use(cr, 24, true);
    set_colour(cr, text_colour);
    text(cr, margin, 40, facts.part_name);
    fonts.use(cr, 14);
    set_colour(cr, quiet_text_colour);
    text(cr, margin, 64, facts.subtitle);

    fonts.use(cr, 13, true);
    set_colour(cr, text_colour);
    text(cr, top_box.x, top_box.y - 10, "top view, shaded relief");
    char exaggeration[64];
    std::snprintf(exaggeration, sizeof exaggeration, "%g", request.vertical_exaggeration);
    text(cr, perspective_box.x, perspective_box.y - 10,
         std::string("the line shapes in perspective, vertical exaggeration \u00d7") + exaggeration);

    set_colour(cr, panel_background);
    cairo_rectangle(cr, perspective_box.x, perspective_box.y, perspective_box.width, perspective_box.height);
    cairo_fill(cr);

    if (terrain.grid.rows == 0 || terrain.grid.columns == 0) {
        fonts.use(cr, 16);
        set_colour(cr, quiet_text_colour);
        text(cr, picture_width / 2, top_box.y + top_box.height / 2, "the import created no points", anchor::centre);
    } else {
        const panel_box map = draw_top_view(cr, terrain, top_box);
        draw_axes(cr, fonts, map);
        draw_perspective_view(cr, terrain, perspective_box);
        draw_legend(cr, fonts, terrain, facts, map);
    }

    fonts.use(cr, 11);
    set_colour(cr, quiet_text_colour);
    text(cr, picture_width - margin, picture_height - 14,
         "x and z as the host places the points; 1 host unit = " + number(terrain.metres_per_unit) + " m",
         anchor::right);

    cairo_destroy(cr);
    const bool written = write_png(surface, png);
    cairo_surface_destroy(surface);
    if (!written) problem = std::string("cannot write the picture: ") + std::strerror(errno);
    return written;
}
