#include "importers/lem_reader.h"

#include "tests/support/elevation_text.h"
#include "tests/support/import_run.h"
#include "tests/support/trace_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace elevation_text;
namespace tl = trace_lines;
constexpr int M = -9999;

std::string lem_file(const std::vector<std::vector<int>>& rows) {
    std::string text;
    for (const auto& row : rows) text += lem_record_line(row);
    return text;
}

// The emitted elevations, row by row, of a lem import with step 1.
std::vector<std::vector<float>> emitted_elevations(const std::string& text) {
    const auto result = run_import(elevation_file_kind::lem, 1, text);
    std::vector<std::vector<float>> rows;
    for (const scene_call& call : result.scene.calls()) {
        if (call.what == scene_call::operation::open_line) rows.emplace_back();
        if (call.what == scene_call::operation::add_line_point) rows.back().push_back(call.position.y);
    }
    return rows;
}

struct fill_case {
    const char* what;
    std::vector<std::vector<int>> rows;
    float fill;  // elevation (host units) that every missing cell is emitted at
};

class lem_gap_fill : public testing::TestWithParam<fill_case> {};

TEST_P(lem_gap_fill, every_gap_takes_the_lowest_gap_edge_rounded_toward_zero) {
    const fill_case& c = GetParam();
    const auto rows = emitted_elevations(lem_file(c.rows));
    ASSERT_EQ(rows.size(), c.rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j = 0; j < rows[i].size(); ++j) {
            const int cell = c.rows[i][j];
            const float expected = cell == M ? c.fill : static_cast<float>(cell * 0.1);
            EXPECT_EQ(rows[i][j], expected) << c.what << " at " << i << "," << j;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    cases, lem_gap_fill,
    testing::Values(
        fill_case{"no gap", {{10, 20, 30}, {40, 50, 60}}, 0.0f},
        fill_case{"lowest edge over lines", {{1234, M, 1187, 2000}, {1500, M, M, 1600}}, 118.0f},
        fill_case{"negative edge", {{-15, M, 40}}, -1.0f},
        fill_case{"gap at the start of a line", {{M, 905, 1000}}, 90.0f},
        fill_case{"gap at the end of a line", {{1000, 905, M}}, 90.0f},
        fill_case{"everything missing", {{M, M}, {M, M}}, 0.0f},
        // Only left and right neighbours count: the 5 above and below the inner gap
        // cells are no edges, so the 700s decide.
        fill_case{"vertical neighbours", {{5, 5, 5, 5}, {700, M, M, 710}, {5, 5, 5, 5}}, 70.0f},
        fill_case{"edge rounded toward zero", {{1239, M, 1300}}, 123.0f}));

TEST(lem_gap_fill, cells_outside_the_last_width_are_not_filled_and_unwritten_cells_are_zero) {
    // Row 0 has one value and a gap the grid does not reach; row 1 sets the width to 3.
    float row[lem_grid::column_capacity] = {};
    lem_gap_edges edges;
    const std::string line = lem_record_line({500, M, 600, 700});
    EXPECT_EQ(parse_lem_record(line.data(), line.size(), row, edges), 4);
    EXPECT_EQ(edges.lowest, 50);

    const auto rows = emitted_elevations(lem_file({{7}, {300, 400, M}}));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<float>{0.7f, 0.0f, 0.0f}));
    EXPECT_EQ(rows[1], (std::vector<float>{30.0f, 40.0f, 40.0f}));
}

TEST(lem_record, values_follow_a_ten_character_prefix) {
    float row[lem_grid::column_capacity] = {};
    lem_gap_edges edges;
    for (const std::size_t length : {0u, 9u, 10u, 14u}) {
        const std::string line(length, '2');
        EXPECT_EQ(parse_lem_record(line.data(), line.size(), row, edges), 0) << length;
    }
    const std::string line = "0123456789" + field(42) + field(-7) + "\n";
    ASSERT_EQ(parse_lem_record(line.data(), line.size(), row, edges), 2);
    EXPECT_EQ(row[0], 42.0f);
    EXPECT_EQ(row[1], -7.0f);
    EXPECT_FALSE(edges.seen);
}

TEST(lem_import, reads_at_most_300_lines_and_centres_on_them) {
    std::string text;
    for (int k = 0; k < 310; ++k) text += lem_record_line({k, k, k});
    const auto result = run_import(elevation_file_kind::lem, 1, text);
    EXPECT_EQ(result.lines_delivered, 300);
    const auto& calls = result.scene.calls();
    ASSERT_EQ(calls.size(), 4u + 300u * 5u);
    EXPECT_EQ(calls[3].position.z, -747.5f);
    EXPECT_EQ(calls[calls.size() - 4].position.z, 747.5f);
    EXPECT_EQ(calls[calls.size() - 4].position.y, static_cast<float>(299 * 0.1));
}

TEST(lem_import, an_overlong_line_keeps_the_first_400_values) {
    std::vector<int> values(450, 1);
    values[399] = 3999;
    const auto result = run_import(elevation_file_kind::lem, 1, lem_record_line(values));
    const auto& calls = result.scene.calls();
    ASSERT_EQ(calls.size(), 2u + 1u + 400u + 1u + 2u);
    EXPECT_EQ(calls[3 + 399].position.x, 997.5f);
    EXPECT_EQ(calls[3 + 399].position.y, 399.9f);
}

struct name_case {
    std::string path;
    std::string part_name;
};

class lem_part_naming : public testing::TestWithParam<name_case> {};

TEST_P(lem_part_naming, is_the_last_eleven_bytes_of_the_path) {
    const name_case& c = GetParam();
    EXPECT_STREQ(lem_part_name(c.path.c_str()), c.part_name.c_str());
    // The name points into the host's path: nothing is copied.
    const char* name = lem_part_name(c.path.c_str());
    EXPECT_GE(name, c.path.c_str());
    EXPECT_LE(name, c.path.c_str() + c.path.size());

    import_options options;
    options.path = c.path;
    const auto result = run_import(elevation_file_kind::lem, 1, lem_record_line({1}), options);
    EXPECT_EQ(result.scene.calls().at(1).name, c.part_name);
}

INSTANTIATE_TEST_SUITE_P(cases, lem_part_naming,
                         testing::Values(name_case{"C:\\data\\abcdefg.lem", "abcdefg.lem"},
                                         name_case{"C:\\data\\5339-45-01.lem", "9-45-01.lem"},
                                         name_case{"C:\\data\\ab.lem", "data\\ab.lem"},
                                         name_case{"abcdefg.lem", "abcdefg.lem"},
                                         // Shorter than 11 bytes: the whole path.
                                         name_case{"ab.lem", "ab.lem"}, name_case{"", ""}));

}  // namespace
