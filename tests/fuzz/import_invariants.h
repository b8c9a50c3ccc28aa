#pragma once
// What every import must look like from the host's side, whatever the file holds:
// the calls follow the builder's grammar, each line has at most as many points as the
// grid has columns, and every coordinate is a finite float inside the grid's extent.
// A broken invariant aborts, which the fuzzer reports with the input that caused it.
#include "importers/terrain_import.h"
#include "tools/recording_host/recording_scene.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

inline void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "import invariant broken: %s\n", what);
        std::abort();
    }
}

inline void check_import_invariants(const std::vector<scene_call>& calls, int row_capacity, int column_capacity,
                                    int sample_step) {
    using op = scene_call::operation;
    if (calls.empty()) return;  // a header or path failure: no scene call at all
    require(calls.size() >= 4, "a started import is closed");
    require(calls[0].what == op::open_creation && calls[1].what == op::open_part, "opens creation, then part");
    require(calls[calls.size() - 2].what == op::close_part && calls.back().what == op::close_creation,
            "closes part, then creation");

    const float max_x = 2.5f * static_cast<float>(column_capacity - 1);
    const float max_z = 2.5f * static_cast<float>(row_capacity - 1);
    int lines = 0;
    int points_in_line = 0;
    bool in_line = false;
    for (std::size_t k = 2; k + 2 < calls.size(); ++k) {
        const scene_call& call = calls[k];
        switch (call.what) {
        case op::open_line:
            require(!in_line, "lines do not nest");
            in_line = true;
            points_in_line = 0;
            ++lines;
            break;
        case op::add_line_point:
            require(in_line, "points belong to a line");
            ++points_in_line;
            require(points_in_line <= (column_capacity + sample_step - 1) / sample_step, "points within the columns");
            require(std::isfinite(call.position.x) && std::isfinite(call.position.y) &&
                        std::isfinite(call.position.z),
                    "finite coordinates");
            require(std::fabs(call.position.x) <= max_x && std::fabs(call.position.z) <= max_z,
                    "points inside the grid's extent");
            break;
        case op::close_line:
            require(in_line, "close_line closes an open line");
            in_line = false;
            break;
        default:
            require(false, "only lines between open_part and close_part");
        }
    }
    require(!in_line, "the last line is closed");
    require(lines <= (row_capacity + sample_step - 1) / sample_step, "lines within the rows");
}
