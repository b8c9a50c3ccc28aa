#include "tools/terrain_import/component_import.h"

#include "framework/importer_component.h"

#include <array>

namespace {

using component_import = void (*)(scene_builder_interface&, source_stream_interface&);

// What the host does with a deliverable for one import: the component comes from the
// allocator with the one reference that create_interface gives the host, the import
// is a call of do_import on the importer interface, and the last Release destroys it.
template <const deliverable& chosen>
void import_through_component(scene_builder_interface& scene, source_stream_interface& stream) {
    auto* created = new importer_component<chosen>();
    created->AddRef();
    importer_interface& component = *created;
    component.do_import(&scene, 0, &stream, 0);
    component.Release();
}

struct deliverable_component {
    const deliverable* constants;
    component_import run;
};

const std::array<deliverable_component, 6> components{{
    {&vantor200, &import_through_component<vantor200>},
    {&vantor100, &import_through_component<vantor100>},
    {&vantor50, &import_through_component<vantor50>},
    {&qelmar20, &import_through_component<qelmar20>},
    {&qelmar10, &import_through_component<qelmar10>},
    {&qelmar5, &import_through_component<qelmar5>},
}};

}  // namespace

void import_with_deliverable(const deliverable& chosen, scene_builder_interface& scene,
                             source_stream_interface& stream) {
    for (const deliverable_component& c : components) {
        if (c.constants == &chosen) c.run(scene, stream);
    }
}
