#include "tools/sample_generator/synthetic_terrain.h"

#include "importers/lem_reader.h"
#include "importers/mem_reader.h"
#include "tools/recording_host/text_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

TEST(synthetic_terrain, mem_files_read_back_with_their_sea_and_missing_records) {
    synthetic_terrain_options options;
    options.missing_records = {7};
    const auto cells = synthetic_elevations(options);
    ASSERT_GT(std::count(cells.begin(), cells.end(), -9999), 0) << "a sea area";
    ASSERT_GT(*std::max_element(cells.begin(), cells.end()), 5000) << "relief of hundreds of metres";

    text_stream stream(synthetic_mem_text(options), "sample.mem");
    auto grid = std::make_unique<mem_grid>();
    const auto name = read_mem_grid(stream, *grid);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(std::string(name->text, 6), "533945");
    EXPECT_EQ(grid->row_count, 200);
    EXPECT_EQ(grid->column_count, 200);
    for (int i = 0; i < 200; ++i) {
        for (int j = 0; j < 200; ++j) {
            const int cell = cells[static_cast<std::size_t>(i) * 200 + j];
            const float expected = (i == 7 || cell == -9999) ? 0.0f : static_cast<float>(cell);
            ASSERT_EQ(grid->cells[i][j], expected) << i << "," << j;
        }
    }
}

TEST(synthetic_terrain, lem_files_read_back_cell_for_cell_and_short_mem_files_end_early) {
    synthetic_terrain_options options;
    options.rows = 300;
    options.columns = 400;
    options.seed = 9;
    const auto cells = synthetic_elevations(options);
    text_stream stream(synthetic_lem_text(options), "C:\\x\\sample.lem");
    auto grid = std::make_unique<lem_grid>();
    ASSERT_NE(read_lem_grid(stream, *grid), nullptr);
    EXPECT_EQ(grid->row_count, 300);
    EXPECT_EQ(grid->column_count, 400);
    EXPECT_EQ(grid->cells[150][200], static_cast<float>(cells[150 * 400 + 200]));

    options.rows = 20;
    options.columns = 30;
    options.announced_records = 50;
    text_stream short_file(synthetic_mem_text(options), "short.mem");
    auto short_grid = std::make_unique<mem_grid>();
    ASSERT_TRUE(read_mem_grid(short_file, *short_grid).has_value());
    EXPECT_EQ(short_grid->row_count, 20);
    EXPECT_EQ(short_grid->column_count, 30);
}


TEST(synthetic_terrain, voids_hold_missing_cells_on_land_and_nothing_outside_them) {
    synthetic_terrain_options options;
    options.rows = 60;
    options.columns = 80;
    options.sea_fraction = 0;
    options.voids = {{30, 40, 5}};
    const auto cells = synthetic_elevations(options);
    for (int i = 0; i < options.rows; ++i) {
        for (int j = 0; j < options.columns; ++j) {
            const bool inside = (i - 30) * (i - 30) + (j - 40) * (j - 40) <= 25;
            ASSERT_EQ(cells[static_cast<std::size_t>(i) * options.columns + j] == -9999, inside) << i << "," << j;
        }
    }
}

}  // namespace
