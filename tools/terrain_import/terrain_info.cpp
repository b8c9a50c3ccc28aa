#include "tools/terrain_import/terrain_info.h"

#include "importers/terrain_line_builder.h"
#include "tools/terrain_import/geometry_formats.h"
#include "tools/terrain_import/sampled_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// A number with at most `decimals` decimals, trailing zeros dropped.
std::string number(double value, int decimals = 2) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string out = text;
    if (out.find('.') != std::string::npos) {
        out.erase(out.find_last_not_of('0') + 1);
        if (out.back() == '.') out.pop_back();
    }
    if (out == "-0") out = "0";
    return out;
}

struct range {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    void add(double v) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
    bool empty() const { return low > high; }
};

void line(std::string& out, const char* key, const std::string& value) {
    char label[32];
    std::snprintf(label, sizeof label, "%-15s", (std::string(key) + ":").c_str());
    out += label;
    out += value;
    out += '\n';
}

std::string sampling(int step) {
    if (step == 1) return "every grid point";
    return "every " + std::string(step == 2 ? "2nd" : step == 3 ? "3rd" : std::to_string(step) + "th") +
           " row and column";
}

}  // namespace

std::string describe_import(const std::string& file_name, const deliverable& chosen,
                            const captured_terrain& terrain, const cell_census& census) {
    const double metres = metres_per_host_unit(chosen.kind);
    const double spacing = grid_point_spacing * chosen.sample_step;
    const sampled_grid grid = make_sampled_grid(terrain, census, chosen.sample_step);

    range x, y, z, given_y;
    std::size_t missing_points = 0, unwritten_points = 0;
    for (std::size_t k = 0; k < grid.points.size(); ++k) {
        const vec3& p = grid.points[k];
        x.add(p.x);
        y.add(p.y);
        z.add(p.z);
        if (grid.marks[k] == cell_census::given) given_y.add(p.y);
        missing_points += grid.marks[k] == cell_census::missing;
        unwritten_points += grid.marks[k] == cell_census::unwritten;
    }
    // Points of line shapes longer than the shortest one are not in the grid.
    for (const vec3& p : terrain.points) {
        x.add(p.x);
        y.add(p.y);
        z.add(p.z);
    }

    std::string out;
    line(out, "file", file_name);
    char plugin_id[16];
    std::snprintf(plugin_id, sizeof plugin_id, "0x%08X", static_cast<unsigned>(chosen.importer_id));
    line(out, "deliverable", std::string(chosen.name) + " (plug-in ID " + plugin_id + "; " +
                                 std::string(kind_description(chosen.kind)) + " file, " +
                                 sampling(chosen.sample_step) + ")");
    if (terrain.parts.empty()) {
        line(out, "part name", "(no part: the importer created nothing)");
    } else {
        line(out, "part name", readable_part_name(terrain.parts.front().name));
    }
    line(out, "grid", std::to_string(census.rows) + " rows x " + std::to_string(census.columns) + " columns");
    line(out, "lines", std::to_string(terrain.lines.size()));
    line(out, "points", std::to_string(terrain.points.size()) +
                            (grid.rows > 0 ? " (" + std::to_string(grid.columns) + " per line)" : ""));
    line(out, "point spacing", number(spacing) + " host units = " + number(spacing * metres) +
                                   " m (a host unit is " + number(metres) + " m)");
    if (x.empty()) {
        line(out, "extent", "none: no points");
    } else {
        auto extent = [&](const range& r) {
            return number(r.low) + " to " + number(r.high) + " host units (" +
                   number((r.high - r.low) * metres) + " m across)";
        };
        line(out, "x extent", extent(x));
        line(out, "z extent", extent(z));
        line(out, "elevation", number(y.low * metres, 1) + " to " + number(y.high * metres, 1) + " m (y " +
                                   number(y.low, 3) + " to " + number(y.high, 3) + " host units)");
        if (!given_y.empty() && (given_y.low != y.low || given_y.high != y.high)) {
            line(out, "given cells", number(given_y.low * metres, 1) + " to " + number(given_y.high * metres, 1) +
                                         " m, without the missing cells");
        }
    }

    const std::size_t cells = static_cast<std::size_t>(census.rows) * census.columns;
    std::string became;
    if (chosen.kind == elevation_file_kind::mem) {
        became = "became 0 m";
    } else if (census.gap_edge_seen) {
        became = "filled at " + number(census.missing_became / 10.0, 1) +
                 " m (the lowest elevation beside a gap, rounded toward zero to whole metres)";
    } else {
        became = "filled at 0 m (no elevation beside any gap)";
    }
    line(out, "missing cells", std::to_string(census.missing_count) + " of " + std::to_string(cells) +
                                   " grid cells, " + std::to_string(missing_points) + " of the points: " +
                                   (census.missing_count ? became : "none"));
    if (census.unwritten_count > 0) {
        line(out, "short lines", std::to_string(census.unwritten_count) + " grid cells, " +
                                     std::to_string(unwritten_points) +
                                     " of the points, lie past the end of a short record line: became 0 m");
    }
    if (!terrain.call_order_fault.empty()) line(out, "host calls", terrain.call_order_fault);
    return out;
}
