#include "tools/terrain_import/geometry_formats.h"
#include "tools/terrain_import/number_text.h"

namespace {

// A CSV field in double quotes, quotes inside doubled.
void append_quoted(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

// One row per point; line and point count from 1 within their part and line.
void write_csv(const captured_terrain& terrain, std::string& out) {
    out += "part,line,point,x,y,z\n";
    for (const captured_part& part : terrain.parts) {
        std::string name;
        append_quoted(name, readable_part_name(part.name));
        for (std::size_t l = 0; l < part.line_count; ++l) {
            const captured_line& line = terrain.lines[part.first_line + l];
            const vec3* points = terrain.line_points(line);
            for (std::size_t p = 0; p < line.point_count; ++p) {
                out += name;
                out += ',';
                append_count(out, l + 1);
                out += ',';
                append_count(out, p + 1);
                out += ',';
                append_shortest(out, points[p].x);
                out += ',';
                append_shortest(out, points[p].y);
                out += ',';
                append_shortest(out, points[p].z);
                out += '\n';
            }
        }
    }
}
