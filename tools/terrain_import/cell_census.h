#pragma once
#include "importers/terrain_import.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Which cells of an import's grid the file did not give an elevation for, and what
// they became. The importer replaces them before the host sees anything, so the tool
// reads the file once more with the importers' own field and line rules to tell.
struct cell_census {
    enum cell : std::uint8_t {
        given = 0,
        missing = 1,    // -9999, or a mem record flagged missing
        unwritten = 2,  // past the end of a record line shorter than the grid's last row
    };

    int rows = 0;     // as the reader counts them: record rows read completely
    int columns = 0;  // values of the last complete row, taken for every row
    std::vector<cell> cells;  // rows x columns, row-major
    std::size_t missing_count = 0;
    std::size_t unwritten_count = 0;
    // The elevation, in file units (tenths of a metre), that missing cells became:
    // 0 for mem files, the lowest gap edge rounded toward zero for lem files.
    float missing_became = 0;
    // lem: whether any missing cell had a neighbour with a value in its line.
    bool gap_edge_seen = false;

    cell at(int row, int column) const { return cells[static_cast<std::size_t>(row) * columns + column]; }
};

// Reads `text` line by line as the importer of `kind` does.
cell_census take_cell_census(elevation_file_kind kind, const std::string& text);
