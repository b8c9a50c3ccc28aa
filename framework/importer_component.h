#pragma once
#include "framework/importer_interface.h"
#include "framework/sdk_version.h"
#include "importers/terrain_import.h"

#include <cstdint>

// The import of one file, whatever the deliverable: the reader of `kind` over the
// host's stream, then the terrain lines into the host's scene, sampling every
// `sample_step`-th row and column. Calls into the host objects go through the
// structured-exception guard where the platform needs one. Never throws; null host
// objects make it do nothing.
void run_import(elevation_file_kind kind, int sample_step, scene_builder_interface* scene,
                source_stream_interface* stream) noexcept;

// The one concrete component of every deliverable. `deliverable` is an object with
// static storage holding its constants: `importer_id` (std::uint32_t), `extension` (a
// NUL-terminated string of the library), `kind` (elevation_file_kind) and
// `sample_step` (int). The component has no field of its own: it is the table pointer
// and ref_count.
template <const auto& deliverable>
struct importer_component final : importer_interface {
    void* TERRAIN_THISCALL scalar_deleting_destructor(std::uint32_t flags) override {
        return destroy_and_free(this, flags);
    }

    std::uint32_t TERRAIN_THISCALL get_plugin_id(std::uint32_t) override { return deliverable.importer_id; }

    std::int32_t TERRAIN_THISCALL get_sdk_version() override { return sdk_version; }

    const char* TERRAIN_THISCALL get_file_extension(std::uint32_t, std::uint32_t) override {
        return deliverable.extension;
    }

    void TERRAIN_THISCALL do_import(scene_builder_interface* scene, std::uint32_t,
                                    source_stream_interface* stream, std::uint32_t) override {
        run_import(deliverable.kind, deliverable.sample_step, scene, stream);
    }
};
