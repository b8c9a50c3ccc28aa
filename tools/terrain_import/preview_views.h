#pragma once
#include "tools/terrain_import/sampled_grid.h"

#include <cairo.h>

// What both views of the preview draw from.
struct preview_terrain {
    sampled_grid grid;
    double spacing = 5;           // host units between neighbouring points
    double metres_per_unit = 1;   // 10 for mem, 1 for lem
    double low_m = 0, high_m = 1;  // elevation range of the given cells, in metres
    double vertical_exaggeration = 1;

    // Where an elevation lies between the lowest and highest given one.
    double share(double elevation_m) const { return (elevation_m - low_m) / (high_m - low_m); }
    double metres(const vec3& point) const { return point.y * metres_per_unit; }
};

struct panel_box {
    double x, y, width, height;
};

// A map of the terrain seen from above, x to the right and z upward, tinted by
// elevation and shaded by a light from the upper left; cells without an elevation in
// the file hatched in their own colour. Returns the map's rectangle inside the box.
panel_box draw_top_view(cairo_t* cr, const preview_terrain& terrain, const panel_box& box);

// The line shapes in perspective, seen from above the low-z, low-x corner, lines
// farther away hidden behind nearer ones, coloured by elevation.
void draw_perspective_view(cairo_t* cr, const preview_terrain& terrain, const panel_box& box);
