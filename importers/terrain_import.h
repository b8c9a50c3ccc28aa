#pragma once
#include "framework/scene_builder_interface.h"
#include "framework/source_stream_interface.h"

// The two kinds of elevation file.
enum class elevation_file_kind {
    mem,  // 50 m mesh: header line, records of 5-character values after 9 characters
    lem,  // 5 m mesh: up to 300 records of 5-character values after 10 characters
};

// One whole import: the reader of `kind` fills a grid from `stream`, then the terrain
// line builder emits it into `scene`, sampling every `sample_step`-th row and column.
// Every failure ends the import quietly inside this call; nothing is thrown.
void import_terrain(elevation_file_kind kind, int sample_step, scene_builder_interface& scene,
                    source_stream_interface& stream) noexcept;
