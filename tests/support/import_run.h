#pragma once
// Runs one import over a text through the recording host and gives back its trace.
#include "importers/terrain_import.h"
#include "tools/recording_host/recording_scene.h"
#include "tools/recording_host/text_stream.h"
#include "tools/recording_host/trace_format.h"

#include <string>

struct import_options {
    std::string path = "C:\\terrain\\sample.lem";
    int fail_after_lines = -1;  // read_line fails after this many lines (-1: only at the end)
    text_stream::failure_style stream_failure = text_stream::failure_style::throws;
    int fail_at_scene_call = 0;  // scene call number (from 1) that throws; 0: none
};

struct import_result {
    recording_scene scene;
    int lines_delivered = 0;

    std::string trace() const { return format_trace(scene.calls()); }
};

inline import_result run_import(elevation_file_kind kind, int sample_step, const std::string& text,
                                const import_options& options = {}) {
    text_stream stream(text, options.path);
    stream.fail_after_lines(options.fail_after_lines);
    stream.set_failure_style(options.stream_failure);
    import_result result;
    result.scene.fail_at_call(options.fail_at_scene_call);
    import_terrain(kind, sample_step, result.scene, stream);
    result.lines_delivered = stream.lines_delivered();
    return result;
}
