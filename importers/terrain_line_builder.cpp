#include "importers/terrain_line_builder.h"

void emit_terrain_lines(scene_builder_interface& scene, const elevation_grid_view& grid,
                        const char* part_name, int sample_step, double elevation_scale) {
    const int rows = grid.row_count;
    const int columns = grid.column_count;
    const double x_origin = grid_point_spacing / 2 * (columns - 1);
    const double z_origin = grid_point_spacing / 2 * (rows - 1);

    scene.open_creation(0);
    scene.open_part(part_name, 0);
    vec3 point;  // one position, reused: the host copies it on every call
    for (int i = 0; i <= rows - 1; i += sample_step) {
        scene.open_line(open_line_shape_name, 0, 0);
        point.z = static_cast<float>(grid_point_spacing * i - z_origin);
        for (int j = 0; j <= columns - 1; j += sample_step) {
            point.x = static_cast<float>(grid_point_spacing * j - x_origin);
            point.y = static_cast<float>(static_cast<double>(grid.at(i, j)) * elevation_scale);
            scene.add_line_point(&point, 0, 0, 0, 0, 0);
        }
        scene.close_line(0);
    }
    scene.close_part(0);
    scene.close_creation(0);
}
