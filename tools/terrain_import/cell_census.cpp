#include "tools/terrain_import/cell_census.h"

#include "importers/lem_reader.h"
#include "importers/line_source.h"
#include "importers/mem_reader.h"
#include "importers/number_field.h"
#include "importers/record_line.h"
#include "tools/recording_host/text_stream.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// Every row as read, before the last row's width is known.
template <int Rows, int Columns>
struct row_marks {
    cell_census::cell marks[Rows][Columns];
    int counts[Rows];
};

template <int Rows, int Columns>
void settle(cell_census& census, const row_marks<Rows, Columns>& rows) {
    census.cells.assign(static_cast<std::size_t>(census.rows) * census.columns, cell_census::given);
    for (int i = 0; i < census.rows; ++i) {
        for (int j = 0; j < census.columns; ++j) {
            const cell_census::cell mark = j < rows.counts[i] ? rows.marks[i][j] : cell_census::unwritten;
            census.cells[static_cast<std::size_t>(i) * census.columns + j] = mark;
            if (mark == cell_census::missing) ++census.missing_count;
            if (mark == cell_census::unwritten) ++census.unwritten_count;
        }
    }
}

cell_census mem_census(text_stream& stream) {
    cell_census census;
    const char* header_line = read_next_line(stream);
    if (header_line == nullptr) return census;
    const mem_header header = parse_mem_header(header_line, std::strlen(header_line));

    auto rows = std::make_unique<row_marks<mem_grid::row_capacity, mem_grid::column_capacity>>();
    for (int k = 0; k < header.record_count; ++k) {
        const char* line = read_next_line(stream);
        if (line == nullptr) break;
        const std::size_t length = bounded_line_length(line, mem_line_capacity);
        const int count = record_value_count(length, mem_record_prefix);
        for (int j = 0; j < count; ++j) {
            const char* field = line + mem_record_prefix + value_field_width * static_cast<std::size_t>(j);
            const bool missing = !header.record_holds_elevations[k] ||
                                 parse_number_field(field, value_field_width) == -9999;
            rows->marks[k][j] = missing ? cell_census::missing : cell_census::given;
        }
        rows->counts[k] = count;
        census.rows = k + 1;
        census.columns = count;
    }
    settle(census, *rows);
    census.missing_became = 0;
    return census;
}

cell_census lem_census(text_stream& stream) {
    cell_census census;
    auto rows = std::make_unique<row_marks<lem_grid::row_capacity, lem_grid::column_capacity>>();
    lem_gap_edges edges;
    float values[lem_grid::column_capacity];
    for (int k = 0; k < lem_grid::row_capacity; ++k) {
        const char* line = read_next_line(stream);
        if (line == nullptr) break;
        const int count = parse_lem_record(line, bounded_line_length(line, lem_line_capacity), values, edges);
        for (int j = 0; j < count; ++j) {
            rows->marks[k][j] = values[j] == missing_elevation ? cell_census::missing : cell_census::given;
        }
        rows->counts[k] = count;
        census.rows = k + 1;
        census.columns = count;
    }
    settle(census, *rows);
    census.missing_became = edges.fill_value();
    census.gap_edge_seen = edges.seen;
    return census;
}

}  // namespace

cell_census take_cell_census(elevation_file_kind kind, const std::string& text) {
    text_stream stream(text, "");
    return kind == elevation_file_kind::mem ? mem_census(stream) : lem_census(stream);
}
