#include "tools/terrain_import/sampled_grid.h"

#include <algorithm>

sampled_grid make_sampled_grid(const captured_terrain& terrain, const cell_census& census, int sample_step) {
    sampled_grid grid;
    if (terrain.parts.empty() || terrain.parts.front().line_count == 0) return grid;
    const captured_part& part = terrain.parts.front();

    std::size_t shortest = terrain.lines[part.first_line].point_count;
    for (std::size_t l = part.first_line; l < part.first_line + part.line_count; ++l) {
        shortest = std::min(shortest, terrain.lines[l].point_count);
    }
    grid.rows = static_cast<int>(part.line_count);
    grid.columns = static_cast<int>(shortest);
    grid.points.reserve(static_cast<std::size_t>(grid.rows) * grid.columns);
    grid.marks.reserve(grid.points.capacity());
    for (int i = 0; i < grid.rows; ++i) {
        const vec3* points = terrain.line_points(terrain.lines[part.first_line + i]);
        for (int j = 0; j < grid.columns; ++j) {
            grid.points.push_back(points[j]);
            const int row = i * sample_step, column = j * sample_step;
            grid.marks.push_back(row < census.rows && column < census.columns ? census.at(row, column)
                                                                              : cell_census::given);
        }
    }
    return grid;
}
