#include "framework/importer_component.h"

#include "framework/guarded_host_objects.h"

void run_import(elevation_file_kind kind, int sample_step, scene_builder_interface* scene,
                source_stream_interface* stream) noexcept {
    if (scene == nullptr || stream == nullptr) return;
    guarded_scene scene_calls(*scene);
    guarded_stream stream_calls(*stream);
    import_terrain(kind, sample_step, scene_calls, stream_calls);
}
