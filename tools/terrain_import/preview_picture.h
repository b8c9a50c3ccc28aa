#pragma once
#include "tools/terrain_import/captured_terrain.h"
#include "tools/terrain_import/cell_census.h"
#include "tools/terrain_import/deliverable_choice.h"

#include <cstdio>
#include <string>

struct preview_request {
    std::string file_name;
    const deliverable& chosen;
    const captured_terrain& terrain;
    const cell_census& census;
    double vertical_exaggeration = 1.0;  // for the perspective view only
};

// Draws the preview (a shaded-relief top view and a perspective view of the line
// shapes side by side, with the part name, scales and a legend) and writes it to `png`
// as a PNG picture. False with `problem` set when it cannot be drawn or written.
bool draw_preview_png(const preview_request& request, std::FILE* png, std::string& problem);
