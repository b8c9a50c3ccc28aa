#include "tools/terrain_import/geometry_formats.h"
#include "tools/terrain_import/number_text.h"

// Wavefront OBJ: each part is an object ("o"), each line shape a polyline ("l") over
// the vertices ("v") written just before it; OBJ indices count from 1 across the file.
// A polyline needs two points: a line shape of one point becomes a point element ("p"),
// one without points is only mentioned in a comment.
void write_obj(const captured_terrain& terrain, std::string& out) {
    out += "# terrain-import: ";
    append_count(out, terrain.lines.size());
    out += " line shapes, ";
    append_count(out, terrain.points.size());
    out += " points; x, y, z in host units (y is the elevation)\n";
    for (const captured_part& part : terrain.parts) {
        out += "o ";
        out += readable_part_name(part.name);
        out += '\n';
        for (std::size_t l = part.first_line; l < part.first_line + part.line_count; ++l) {
            const captured_line& line = terrain.lines[l];
            const vec3* points = terrain.line_points(line);
            for (std::size_t p = 0; p < line.point_count; ++p) {
                out += "v ";
                append_shortest(out, points[p].x);
                out += ' ';
                append_shortest(out, points[p].y);
                out += ' ';
                append_shortest(out, points[p].z);
                out += '\n';
            }
            if (line.point_count == 0) {
                out += "# line shape ";
                append_count(out, l - part.first_line + 1);
                out += " has no points\n";
                continue;
            }
            out += line.point_count == 1 ? "p" : "l";
            for (std::size_t p = 0; p < line.point_count; ++p) {
                out += ' ';
                append_count(out, line.first_point + p + 1);
            }
            out += '\n';
        }
    }
}
