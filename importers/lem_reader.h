#pragma once
#include "framework/source_stream_interface.h"
#include "importers/elevation_grid.h"

#include <cstddef>
#include <cstdint>

// 5 m mesh ("lem") files: no header; the first 300 lines are record lines holding
// 5-character values after a 10-character prefix.

inline constexpr std::size_t lem_record_prefix = 10;
// Record lines are taken up to this many bytes: exactly room for the grid's 400 values.
inline constexpr std::size_t lem_line_capacity = 2011;
// The part name is the end of the file path, this many bytes long.
inline constexpr std::size_t lem_part_name_length = 11;

// The lowest elevation met at the edge of a gap, over a whole file. A gap edge is a
// value that is the left or right neighbour, in the same line, of a missing value
// (cells above or below a gap never count).
struct lem_gap_edges {
    std::int32_t lowest = 0;  // least gap-edge value divided by ten, rounded toward zero
    bool seen = false;

    void add(float edge_value);
    // What every missing cell becomes: the lowest edge rounded toward zero to a
    // multiple of ten, or 0 when the file has no gap edge.
    float fill_value() const { return static_cast<float>(lowest * 10); }
};

// Fills `row` with the values of one record line of `length` bytes (at most
// lem_line_capacity), noting the gap edges it holds, and returns its value count.
int parse_lem_record(const char* line, std::size_t length, float (&row)[lem_grid::column_capacity],
                     lem_gap_edges& edges);

// Every cell of the grid's rows and columns holding -9999 becomes the fill value.
void fill_lem_gaps(lem_grid& grid, const lem_gap_edges& edges);

// The last 11 bytes of the path, pointing into it; the whole path when it is shorter.
const char* lem_part_name(const char* file_path);

// Reads up to 300 record lines into `grid` (which starts empty), fills its gaps and
// returns the part name, a pointer into the host's file path. A failure while reading
// the lines ends the reading: the rows read completely stay in the grid. Returns
// nullptr when the host gives no file path.
const char* read_lem_grid(source_stream_interface& stream, lem_grid& grid);
