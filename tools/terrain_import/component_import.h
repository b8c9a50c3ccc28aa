#pragma once
#include "framework/scene_builder_interface.h"
#include "framework/source_stream_interface.h"
#include "tools/terrain_import/deliverable_choice.h"

// Runs one import of `stream` into `scene` the way the host runs it: creates the chosen
// deliverable's importer component, calls its do_import with the two host objects and
// releases it. Like the host, the caller learns nothing about failures from this call:
// what the scene received is the whole result.
void import_with_deliverable(const deliverable& chosen, scene_builder_interface& scene,
                             source_stream_interface& stream);
