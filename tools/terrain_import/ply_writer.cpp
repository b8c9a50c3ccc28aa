#include "tools/terrain_import/geometry_formats.h"
#include "tools/terrain_import/number_text.h"

// ASCII PLY: every point is a vertex; each line shape joins its consecutive points
// with edges. The part names go into comments, as PLY has no place for them.
void write_ply(const captured_terrain& terrain, std::string& out) {
    std::size_t edge_count = 0;
    for (const captured_line& line : terrain.lines) {
        if (line.point_count > 1) edge_count += line.point_count - 1;
    }
    out += "ply\nformat ascii 1.0\ncomment written by terrain-import; x, y, z in host units (y is the elevation)\n";
    for (const captured_part& part : terrain.parts) {
        out += "comment part ";
        out += readable_part_name(part.name);
        out += '\n';
    }
    out += "element vertex ";
    append_count(out, terrain.points.size());
    out += "\nproperty float x\nproperty float y\nproperty float z\nelement edge ";
    append_count(out, edge_count);
    out += "\nproperty int vertex1\nproperty int vertex2\nend_header\n";
    for (const vec3& point : terrain.points) {
        append_shortest(out, point.x);
        out += ' ';
        append_shortest(out, point.y);
        out += ' ';
        append_shortest(out, point.z);
        out += '\n';
    }
    for (const captured_line& line : terrain.lines) {
        for (std::size_t p = 1; p < line.point_count; ++p) {
            append_count(out, line.first_point + p - 1);
            out += ' ';
            append_count(out, line.first_point + p);
            out += '\n';
        }
    }
}
