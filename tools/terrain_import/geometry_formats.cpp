#include "tools/terrain_import/geometry_formats.h"

#include "tools/terrain_import/shift_jis.h"

std::optional<geometry_format> parse_geometry_format(std::string_view name) {
    if (name == "trace") return geometry_format::trace;
    if (name == "obj") return geometry_format::obj;
    if (name == "ply") return geometry_format::ply;
    if (name == "csv") return geometry_format::csv;
    return std::nullopt;
}

void write_geometry(const captured_terrain& terrain, geometry_format format, std::string& out) {
    switch (format) {
    case geometry_format::trace: write_trace(terrain, out); break;
    case geometry_format::obj: write_obj(terrain, out); break;
    case geometry_format::ply: write_ply(terrain, out); break;
    case geometry_format::csv: write_csv(terrain, out); break;
    }
}

std::string readable_part_name(const std::string& host_name) {
    std::string name = shift_jis_to_utf8(host_name);
    const std::size_t end = name.find_last_not_of(' ');
    name.erase(end == std::string::npos ? 0 : end + 1);
    return name;
}
