#include "importers/lem_reader.h"

#include "importers/line_source.h"
#include "importers/value_field.h"
#include "importers/record_line.h"

#include <algorithm>
#include <cstring>

static_assert(record_value_count(lem_line_capacity, lem_record_prefix) == lem_grid::column_capacity,
              "a record line of full capacity must hold exactly one grid row");

void lem_gap_edges::add(float edge_value) {
    // Cells hold integers read from 5-character fields, so integer division rounds the
    // tenth toward zero exactly (-15 gives -1).
    const std::int32_t tenth = static_cast<std::int32_t>(edge_value) / 10;
    if (!seen || tenth < lowest) lowest = tenth;
    seen = true;
}

int parse_lem_record(const char* line, std::size_t length, float (&row)[lem_grid::column_capacity],
                     lem_gap_edges& edges) {
    const int count = record_value_count(std::min(length, lem_line_capacity), lem_record_prefix);
    const char* field = line + lem_record_prefix;
    for (int j = 0; j < count; ++j, field += value_field_width) {
        row[j] = static_cast<float>(parse_value_field(field));
        if (j == 0) continue;
        const bool missing = row[j] == missing_elevation;
        const bool left_missing = row[j - 1] == missing_elevation;
        if (missing && !left_missing) edges.add(row[j - 1]);
        if (!missing && left_missing) edges.add(row[j]);
    }
    return count;
}

void fill_lem_gaps(lem_grid& grid, const lem_gap_edges& edges) {
    const float fill = edges.fill_value();
    for (int i = 0; i < grid.row_count; ++i) {
        for (int j = 0; j < grid.column_count; ++j) {
            if (grid.cells[i][j] == missing_elevation) grid.cells[i][j] = fill;
        }
    }
}

const char* lem_part_name(const char* file_path) {
    const std::size_t length = std::strlen(file_path);
    return length < lem_part_name_length ? file_path : file_path + (length - lem_part_name_length);
}

const char* read_lem_grid(source_stream_interface& stream, lem_grid& grid) {
    lem_gap_edges edges;
    for (int k = 0; k < lem_grid::row_capacity; ++k) {
        const char* line = read_next_line(stream);
        if (line == nullptr) break;  // the failing line is dropped; complete rows stay
        const std::size_t length = bounded_line_length(line, lem_line_capacity);
        grid.column_count = parse_lem_record(line, length, grid.cells[k], edges);
        grid.row_count = k + 1;
    }
    fill_lem_gaps(grid, edges);

    const char* path = stream.get_file_path();
    return path == nullptr ? nullptr : lem_part_name(path);
}
