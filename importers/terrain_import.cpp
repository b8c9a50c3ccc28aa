#include "importers/terrain_import.h"

#include "importers/lem_reader.h"
#include "importers/mem_reader.h"
#include "importers/terrain_line_builder.h"

namespace {

// Each kind in a function of its own, so only one grid is on the stack at a time.
[[gnu::noinline]] void import_mem(int sample_step, scene_builder_interface& scene,
                                  source_stream_interface& stream) {
    mem_grid grid;
    const auto part_name = read_mem_grid(stream, grid);
    if (!part_name) return;
    emit_terrain_lines(scene, elevation_grid_view(grid), part_name->text, sample_step,
                       mem_elevation_scale);
}

[[gnu::noinline]] void import_lem(int sample_step, scene_builder_interface& scene,
                                  source_stream_interface& stream) {
    lem_grid grid;
    const char* part_name = read_lem_grid(stream, grid);
    if (part_name == nullptr) return;
    emit_terrain_lines(scene, elevation_grid_view(grid), part_name, sample_step,
                       lem_elevation_scale);
}

}  // namespace

void import_terrain(elevation_file_kind kind, int sample_step, scene_builder_interface& scene,
                    source_stream_interface& stream) noexcept {
    // Any failure outside a reader's reading phase (the header, the file path, a scene
    // operation) ends the import here: no further host call, nothing reported.
    try {
        if (kind == elevation_file_kind::mem) {
            import_mem(sample_step, scene, stream);
        } else {
            import_lem(sample_step, scene, stream);
        }
    } catch (...) {
    }
}
