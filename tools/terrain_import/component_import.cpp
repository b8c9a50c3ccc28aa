#include "tools/terrain_import/component_import.h"

#include "importers/terrain_import.h"

void import_with_deliverable(const deliverable& chosen, scene_builder_interface& scene,
                             source_stream_interface& stream) {
    import_terrain(chosen.kind, chosen.sample_step, scene, stream);
}
