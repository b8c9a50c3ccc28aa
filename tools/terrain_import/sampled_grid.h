#pragma once
#include "tools/terrain_import/captured_terrain.h"
#include "tools/terrain_import/cell_census.h"

#include <vector>

// The points of an import's first part laid out again as the grid they were sampled
// from: line l holds the grid's row l * step, its point p the column p * step.
struct sampled_grid {
    int rows = 0;     // line shapes
    int columns = 0;  // points of the shortest line shape
    std::vector<vec3> points;             // rows x columns, host units
    std::vector<cell_census::cell> marks;  // what the file gave for each point's cell

    const vec3& point(int row, int column) const { return points[index(row, column)]; }
    cell_census::cell mark(int row, int column) const { return marks[index(row, column)]; }
    std::size_t index(int row, int column) const { return static_cast<std::size_t>(row) * columns + column; }
};

sampled_grid make_sampled_grid(const captured_terrain& terrain, const cell_census& census, int sample_step);
