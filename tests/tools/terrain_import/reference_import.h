#pragma once
// The same import through the recording test host, for comparing the tool's outputs with.
#include "importers/terrain_import.h"
#include "tools/recording_host/recording_scene.h"
#include "tools/recording_host/text_stream.h"
#include "tools/terrain_import/deliverable_choice.h"
#include "tools/terrain_import/host_file_path.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

inline std::string file_bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Every point the recording host received, in order, and the number of points of each line.
struct reference_import {
    recording_scene scene;
    std::vector<vec3> points;
    std::vector<std::size_t> line_sizes;

    reference_import(const std::string& path, const deliverable& chosen) {
        text_stream stream(file_bytes(path), host_file_path(path));
        import_terrain(chosen.kind, chosen.sample_step, scene, stream);
        for (const scene_call& call : scene.calls()) {
            if (call.what == scene_call::operation::open_line) line_sizes.push_back(0);
            if (call.what == scene_call::operation::add_line_point) {
                points.push_back(call.position);
                ++line_sizes.back();
            }
        }
    }
};
