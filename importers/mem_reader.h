#pragma once
#include "framework/source_stream_interface.h"
#include "importers/elevation_grid.h"

#include <cstddef>
#include <optional>

// 50 m mesh ("mem") files: a header line, then one record line per grid row holding
// 5-character values after a 9-character prefix.

inline constexpr std::size_t mem_record_prefix = 9;
// Record lines are taken up to this many bytes: exactly room for the grid's 200 values.
inline constexpr std::size_t mem_line_capacity = 1010;
static_assert(mem_line_capacity >= mem_record_prefix);

// Header bytes 0-5, one blank, header bytes 58-77: 27 bytes without trimming, then NUL.
struct mem_part_name {
    char text[28];
};

struct mem_header {
    mem_part_name part_name;
    int record_count;  // records announced, limited to the grid's rows (never negative)
    bool record_holds_elevations[mem_grid::row_capacity];  // false: the whole record is missing
};

// The header fields, from the `length` bytes of the header line. Bytes the line does
// not have read as blanks.
mem_header parse_mem_header(const char* line, std::size_t length);

// Fills `row` with the values of one record line of `length` bytes (at most
// mem_line_capacity) and returns how many it holds. Every value of a record that holds
// no elevations, and every value -9999, becomes 0.
int parse_mem_record(const char* line, std::size_t length, bool holds_elevations,
                     float (&row)[mem_grid::column_capacity]);

// Reads the header and the records into `grid` (which starts empty). Returns the part
// name, or nothing when the header line could not be read. A failure while reading the
// records ends the reading: the rows read completely stay in the grid.
std::optional<mem_part_name> read_mem_grid(source_stream_interface& stream, mem_grid& grid);
