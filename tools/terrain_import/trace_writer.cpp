#include "tools/recording_host/trace_format.h"
#include "tools/terrain_import/geometry_formats.h"
#include "tools/terrain_import/number_text.h"

// Rebuilds the call sequence from what was captured: the capture keeps the calls'
// nesting and which openings were closed, which is all the order there is.
void write_trace(const captured_terrain& terrain, std::string& out) {
    if (!terrain.creation_opened) return;
    out += "open_creation\n";
    for (const captured_part& part : terrain.parts) {
        out += "open_part ";
        out += quote_trace_name(part.name);
        out += '\n';
        for (std::size_t l = part.first_line; l < part.first_line + part.line_count; ++l) {
            const captured_line& line = terrain.lines[l];
            out += "open_line ";
            out += quote_trace_name(line.shape_name);
            out += '\n';
            const vec3* points = terrain.line_points(line);
            for (std::size_t p = 0; p < line.point_count; ++p) {
                out += "point ";
                append_nine_digits(out, points[p].x);
                out += ' ';
                append_nine_digits(out, points[p].y);
                out += ' ';
                append_nine_digits(out, points[p].z);
                out += '\n';
            }
            if (line.closed) out += "close_line\n";
        }
        if (part.closed) out += "close_part\n";
    }
    if (terrain.creation_closed) out += "close_creation\n";
}
