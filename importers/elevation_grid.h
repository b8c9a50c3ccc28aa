#pragma once
#include <cstdint>

// The cell value both file kinds use for a missing elevation.
inline constexpr float missing_elevation = -9999.0f;

// One import's grid: cell [i][j] is value j of record row i, in file units.
// It belongs to one call of the import and lives on its stack: no allocation.
template <int RowCapacity, int ColumnCapacity>
struct elevation_grid {
    static constexpr int row_capacity = RowCapacity;
    static constexpr int column_capacity = ColumnCapacity;

    // Zero from the start: a row shorter than the last complete row leaves cells that
    // no record wrote, and those are emitted as elevation 0.
    float cells[RowCapacity][ColumnCapacity] = {};
    std::int32_t row_count = 0;     // record rows read completely
    std::int32_t column_count = 0;  // values in the last completely read row; taken for every row
};

using mem_grid = elevation_grid<200, 200>;
using lem_grid = elevation_grid<300, 400>;

// A read-only look at a grid of any capacity, for code shared by both kinds.
struct elevation_grid_view {
    const float* cells;
    int column_capacity;
    std::int32_t row_count;
    std::int32_t column_count;

    template <int R, int C>
    explicit elevation_grid_view(const elevation_grid<R, C>& grid)
        : cells(&grid.cells[0][0]), column_capacity(C), row_count(grid.row_count),
          column_count(grid.column_count) {}

    float at(int row, int column) const { return cells[row * column_capacity + column]; }
};
