#pragma once
#include "framework/scene_builder_interface.h"
#include "importers/elevation_grid.h"

// The name of every line shape, "開いた線形状" ("open line shape") in Shift_JIS, as the host
// expects it.
inline constexpr char open_line_shape_name[] =
    "\x8a\x4a\x82\xa2\x82\xbd\x90\xfc\x8c\x60\x8f\xf3";

// Neighbouring grid points lie this many host units apart (before sampling): a host
// unit is 10 m for 50 m mesh grids and 1 m for 5 m mesh grids.
inline constexpr double grid_point_spacing = 5.0;

// Both file kinds store elevations in tenths of a metre; these turn them into host units.
inline constexpr double mem_elevation_scale = 0.01;
inline constexpr double lem_elevation_scale = 0.1;

// Emits the grid into the scene as one part named `part_name` holding one open line
// shape per sampled row (rows 0, S, 2S, ...) with one control point per sampled column,
// at x = 5j - 2.5(W - 1), y = cell * elevation_scale, z = 5i - 2.5(R - 1): the full
// grid is centred on the origin, columns run along +x and rows along +z. Each
// coordinate is worked out in double precision and rounded once to float.
// A failing scene operation propagates to the caller; nothing is closed after it.
void emit_terrain_lines(scene_builder_interface& scene, const elevation_grid_view& grid,
                        const char* part_name, int sample_step, double elevation_scale);
