#pragma once
#include "tools/terrain_import/captured_terrain.h"

#include <optional>
#include <string>
#include <string_view>

// The text formats the tool writes a captured import in.
enum class geometry_format {
    trace,  // one host call per line, as the recording test host prints them
    obj,    // Wavefront OBJ: one object per part, one polyline per line shape
    ply,    // PLY (ASCII): the points as vertices, each line shape as edges between them
    csv,    // one row per point: part, line, point, x, y, z
};

std::optional<geometry_format> parse_geometry_format(std::string_view name);

// Appends the whole terrain in `format` to `out`. Part names are converted from
// Shift_JIS to UTF-8 for every format but the trace, which keeps the host's bytes.
void write_geometry(const captured_terrain& terrain, geometry_format format, std::string& out);

void write_trace(const captured_terrain& terrain, std::string& out);
void write_obj(const captured_terrain& terrain, std::string& out);
void write_ply(const captured_terrain& terrain, std::string& out);
void write_csv(const captured_terrain& terrain, std::string& out);

// A part name as people read it: UTF-8, without the blanks that pad fixed-width fields.
std::string readable_part_name(const std::string& host_name);
