#include "tests/tools/terrain_import/reference_import.h"
#include "tools/terrain_import/capturing_scene.h"
#include "tools/terrain_import/cell_census.h"
#include "tools/terrain_import/terrain_info.h"

#include <gtest/gtest.h>

namespace {

const vec3 origin{0, 0, 0};

// Out-of-order calls are a broken importer: the capture names the first one and keeps
// nothing from it on.
TEST(capturing_scene, names_the_first_call_out_of_order) {
    using step = void (*)(capturing_scene&);
    const step open_creation = [](capturing_scene& s) { s.open_creation(0); };
    const step open_part = [](capturing_scene& s) { s.open_part("p", 0); };
    const step open_line = [](capturing_scene& s) { s.open_line("l", 0, 0); };
    const step point = [](capturing_scene& s) { s.add_line_point(&origin, 0, 0, 0, 0, 0); };
    const step close_line = [](capturing_scene& s) { s.close_line(0); };
    const step close_part = [](capturing_scene& s) { s.close_part(0); };
    const step close_creation = [](capturing_scene& s) { s.close_creation(0); };
    const struct {
        std::vector<step> calls;
        std::string fault;
        std::size_t points;
    } rows[] = {
        {{open_creation, open_part, open_line, point, point, close_line, close_part, close_creation}, "", 2},
        {{open_creation, open_part, close_part, open_part, close_part, close_creation}, "", 0},
        {{open_part}, "open_part called out of order", 0},
        {{open_creation, open_part, point}, "add_line_point called out of order", 0},
        {{open_creation, open_part, open_line, point, close_part, point}, "close_part called out of order", 1},
        {{open_creation, open_part, open_line, close_line, close_creation}, "close_creation called out of order", 0},
        {{open_creation, open_part, close_part, close_creation, open_creation}, "open_creation called out of order", 0},
    };
    for (const auto& row : rows) {
        capturing_scene scene;
        for (const step call : row.calls) call(scene);
        EXPECT_EQ(scene.terrain().call_order_fault, row.fault);
        EXPECT_EQ(scene.terrain().points.size(), row.points) << row.fault;
    }
}

std::string mem_record(int k, const std::vector<int>& values) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "533945%03d", k);
    std::string line = prefix;
    for (const int v : values) {
        char field[8];
        std::snprintf(field, sizeof field, "%5d", v);
        line += field;
    }
    return line + "\r\n";
}

std::string mem_header(int records, const std::string& flags) {
    std::string header(225, ' ');
    header.replace(0, 6, "533945");
    header.replace(58, 6, "Sample");
    header.replace(142, 3, std::to_string(records).insert(0, 3 - std::to_string(records).size(), ' '));
    return header + flags + "\r\n";
}

// A mem grid of 4 rows whose last row, of 3 values, sets the width: row 0 holds a 4th
// value that is never emitted, row 1 is flagged missing, row 2 holds a -9999 and is one
// value short, leaving a cell that no record wrote.
TEST(cell_census, tells_missing_flagged_and_unwritten_mem_cells_apart) {
    const std::string text = mem_header(4, "1011") + mem_record(0, {100, 200, 300, 400}) +
                             mem_record(1, {500, 600, 700}) + mem_record(2, {-9999, 800}) +
                             mem_record(3, {900, 1000, 1100});
    const cell_census census = take_cell_census(elevation_file_kind::mem, text);
    using c = cell_census;
    ASSERT_EQ(census.rows, 4);
    ASSERT_EQ(census.columns, 3);
    const std::vector<cell_census::cell> expected = {
        c::given, c::given, c::given,          //
        c::missing, c::missing, c::missing,    // flagged 0 in the header
        c::missing, c::given, c::unwritten,    // -9999, then past the end of the line
        c::given, c::given, c::given,
    };
    EXPECT_EQ(census.cells, expected);
    EXPECT_EQ(census.missing_count, 4u);
    EXPECT_EQ(census.unwritten_count, 1u);
    EXPECT_EQ(census.missing_became, 0.0f);
}

TEST(cell_census, finds_the_lem_fill_value_of_the_lowest_gap_edge) {
    const std::string text =
        "0000000003 1234-9999 1187\r\n"
        "0000000003-9999 1500 1600\r\n"
        "0000000003 2000 2100 2200\r\n";
    const cell_census census = take_cell_census(elevation_file_kind::lem, text);
    ASSERT_EQ(census.rows, 3);
    ASSERT_EQ(census.columns, 3);
    EXPECT_EQ(census.missing_count, 2u);
    EXPECT_EQ(census.at(0, 1), cell_census::missing);
    EXPECT_EQ(census.at(1, 0), cell_census::missing);
    EXPECT_TRUE(census.gap_edge_seen);
    EXPECT_EQ(census.missing_became, 1180.0f);  // lowest edge 1187 rounded toward zero to tens
}

// The summary of a small lem import, every number worked out by hand: 3 rows of 3
// values at 5 m spacing, centred on the origin, elevations in tenths of a metre.
TEST(describe_import, tells_grid_extent_elevations_and_what_missing_cells_became) {
    const std::string text =
        "0000000003 1234-9999 1187\r\n"
        "0000000003-9999 1500 1600\r\n"
        "0000000003 2000 2100 2200\r\n";
    const deliverable& qelmar5 = *find_deliverable("qelmar5");
    capturing_scene scene;
    text_stream stream(text, "/terrain/hill-02.lem");
    import_terrain(elevation_file_kind::lem, 1, scene, stream);
    const std::string info =
        describe_import("hill-02.lem", qelmar5, scene.terrain(), take_cell_census(elevation_file_kind::lem, text));
    EXPECT_EQ(info,
              "file:          hill-02.lem\n"
              "deliverable:   qelmar5 (plug-in ID 0x51800010; 5 m mesh file, every grid point)\n"
              "part name:     hill-02.lem\n"
              "grid:          3 rows x 3 columns\n"
              "lines:         3\n"
              "points:        9 (3 per line)\n"
              "point spacing: 5 host units = 5 m (a host unit is 1 m)\n"
              "x extent:      -5 to 5 host units (10 m across)\n"
              "z extent:      -5 to 5 host units (10 m across)\n"
              "elevation:     118 to 220 m (y 118 to 220 host units)\n"
              "given cells:   118.7 to 220 m, without the missing cells\n"
              "missing cells: 2 of 9 grid cells, 2 of the points: filled at 118 m (the lowest elevation beside a "
              "gap, rounded toward zero to whole metres)\n");
}

TEST(describe_import, counts_only_the_sampled_points_among_the_missing_ones_of_a_mem_file) {
    const std::string text = mem_header(3, "101") + mem_record(0, {100, 200, 300}) + mem_record(1, {1, 2, 3}) +
                             mem_record(2, {-9999, 800, 900});
    const deliverable& vantor100 = *find_deliverable("vantor100");
    capturing_scene scene;
    text_stream stream(text, "x.mem");
    import_terrain(elevation_file_kind::mem, 2, scene, stream);
    const std::string info =
        describe_import("x.mem", vantor100, scene.terrain(), take_cell_census(elevation_file_kind::mem, text));
    // Rows 0 and 2, columns 0 and 2 are sampled: one of those four points is missing.
    EXPECT_NE(info.find("part name:     533945 Sample\n"), std::string::npos) << info;
    EXPECT_NE(info.find("points:        4 (2 per line)\n"), std::string::npos) << info;
    EXPECT_NE(info.find("point spacing: 10 host units = 100 m (a host unit is 10 m)\n"), std::string::npos) << info;
    EXPECT_NE(info.find("x extent:      -5 to 5 host units (100 m across)\n"), std::string::npos) << info;
    EXPECT_NE(info.find("elevation:     0 to 90 m (y 0 to 9 host units)\n"), std::string::npos) << info;
    EXPECT_NE(info.find("missing cells: 4 of 9 grid cells, 1 of the points: became 0 m\n"), std::string::npos) << info;
}

}  // namespace
