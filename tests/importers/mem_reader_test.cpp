#include "importers/mem_reader.h"

#include "tests/support/elevation_text.h"
#include "tests/support/import_run.h"
#include "tests/support/trace_lines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace elevation_text;
namespace tl = trace_lines;

std::string header_name(const mem_header& header) { return header.part_name.text; }

TEST(mem_header, part_name_is_both_fields_joined_by_one_blank_without_trimming) {
    const std::string line = mem_header_line("533945", "Sample", "  0", "");
    const auto header = parse_mem_header(line.data(), line.size());
    EXPECT_EQ(header_name(header), "533945 Sample" + std::string(14, ' '));
    EXPECT_EQ(header_name(header).size(), 27u);
}

TEST(mem_header, keeps_non_ascii_name_bytes_as_they_are) {
    const std::string shift_jis_name = "\x93\x8c\x8b\x9e";  // two Shift_JIS characters
    const std::string line = mem_header_line("\x95\x78\x8e\x6d\x8e\x52", shift_jis_name, "  0", "");
    const auto header = parse_mem_header(line.data(), line.size());
    EXPECT_EQ(header_name(header), "\x95\x78\x8e\x6d\x8e\x52 " + shift_jis_name + std::string(16, ' '));
}

struct count_case {
    std::string count_field;
    int expected_records;
};

class mem_record_count : public testing::TestWithParam<count_case> {};

TEST_P(mem_record_count, is_the_number_in_bytes_142_to_144_limited_to_the_grid) {
    const std::string line = mem_header_line("", "", GetParam().count_field, std::string(200, '1'));
    EXPECT_EQ(parse_mem_header(line.data(), line.size()).record_count, GetParam().expected_records);
}

INSTANTIATE_TEST_SUITE_P(cases, mem_record_count,
                         testing::Values(count_case{"000", 0}, count_case{"   ", 0}, count_case{"  7", 7},
                                         count_case{"200", 200}, count_case{"250", 200},
                                         count_case{"999", 200}, count_case{"-12", 0},
                                         count_case{" 1x", 1}));

TEST(mem_header, only_the_character_1_marks_a_record_holding_elevations) {
    const std::string line = mem_header_line("", "", "  6", "1 02a1");
    const auto header = parse_mem_header(line.data(), line.size());
    const bool expected[] = {true, false, false, false, false, true};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(header.record_holds_elevations[k], expected[k]) << k;
}

TEST(mem_header, bytes_past_the_end_of_a_short_header_read_as_blanks) {
    // Ends inside the second name field: the rest of the name is blank, no count.
    const std::string cut_in_name = "123456" + std::string(52, ' ') + "Sam";
    auto header = parse_mem_header(cut_in_name.data(), cut_in_name.size());
    EXPECT_EQ(header_name(header), "123456 Sam" + std::string(17, ' '));
    EXPECT_EQ(header.record_count, 0);

    // Ends after the count: the flags it lacks read as blanks, so the records are missing.
    const std::string cut_before_flags = std::string(142, ' ') + "  3";
    header = parse_mem_header(cut_before_flags.data(), cut_before_flags.size());
    EXPECT_EQ(header.record_count, 3);
    for (int k = 0; k < 3; ++k) EXPECT_FALSE(header.record_holds_elevations[k]);

    header = parse_mem_header("", 0);
    EXPECT_EQ(header_name(header), std::string(27, ' '));
    EXPECT_EQ(header.record_count, 0);
}

TEST(mem_record, values_follow_a_nine_character_prefix_and_missing_values_become_zero) {
    float row[mem_grid::column_capacity] = {};
    const std::string line = mem_record_line({123, -9999, -12, 0});
    ASSERT_EQ(parse_mem_record(line.data(), line.size(), true, row), 4);
    EXPECT_EQ(row[0], 123.0f);
    EXPECT_EQ(row[1], 0.0f);
    EXPECT_EQ(row[2], -12.0f);

    // A record flagged missing: every value is 0, whatever the line holds.
    ASSERT_EQ(parse_mem_record(line.data(), line.size(), false, row), 4);
    for (int j = 0; j < 4; ++j) EXPECT_EQ(row[j], 0.0f);
}

TEST(mem_record, counts_whole_fields_only) {
    float row[mem_grid::column_capacity] = {};
    for (const std::size_t length : {0u, 5u, 9u, 10u, 13u}) {
        const std::string line = std::string(length, '1');
        EXPECT_EQ(parse_mem_record(line.data(), line.size(), true, row), 0) << length;
    }
    const std::string one_value_and_tail = "000000000" + field(5) + "\r\n";
    EXPECT_EQ(parse_mem_record(one_value_and_tail.data(), one_value_and_tail.size(), true, row), 1);
}

// A small file: three records, the second flagged missing, one -9999 value.
TEST(mem_import, emits_every_row_centred_on_the_grid) {
    const std::string text = mem_header_line("533945", "Sample", "  3", "101") +
                             mem_record_line({100, 250, -9999}) + mem_record_line({1, 2, 3}) +
                             mem_record_line({-50, 0, 12345});
    const auto result = run_import(elevation_file_kind::mem, 1, text);

    std::string expected = tl::open_creation + tl::open_part("533945 Sample" + std::string(14, ' '));
    const double y[3][3] = {{1.0, 2.5, 0.0}, {0, 0, 0}, {-0.5, 0, 12345 * 0.01}};
    for (int i = 0; i < 3; ++i) {
        expected += tl::open_line;
        for (int j = 0; j < 3; ++j) expected += tl::point(5 * j - 5, y[i][j], 5 * i - 5);
        expected += tl::close_line;
    }
    expected += tl::close_part + tl::close_creation;
    EXPECT_EQ(result.trace(), expected);
}

TEST(mem_import, a_file_shorter_than_announced_keeps_and_centres_the_rows_it_has) {
    std::string text = mem_header_line("", "", "200", std::string(200, '1'));
    for (int k = 0; k < 120; ++k) text += mem_record_line({k, k});
    const auto result = run_import(elevation_file_kind::mem, 1, text);
    const auto& calls = result.scene.calls();
    // 2 + 120 lines of (open, 2 points, close) + 2
    ASSERT_EQ(calls.size(), 4u + 120u * 4u);
    EXPECT_EQ(calls[3].position.z, -297.5f);  // 5*0 - 2.5*119
    EXPECT_EQ(calls[calls.size() - 4].position.z, 297.5f);
    EXPECT_EQ(calls[calls.size() - 4].position.y, 1.19f);
}

TEST(mem_import, an_empty_record_count_gives_an_empty_named_part) {
    for (const std::string count : {"000", "   "}) {
        const std::string text = mem_header_line("123456", "Name", count, "") + mem_record_line({1, 2, 3});
        const auto result = run_import(elevation_file_kind::mem, 1, text);
        EXPECT_EQ(result.trace(), tl::open_creation + tl::open_part("123456 Name" + std::string(16, ' ')) +
                                      tl::close_part + tl::close_creation);
        EXPECT_EQ(result.lines_delivered, 1) << "no record line is read";
    }
}

TEST(mem_import, the_last_complete_row_sets_the_width_and_unwritten_cells_are_zero) {
    const std::string text = mem_header_line("", "", "  2", "11") + mem_record_line({7}) + mem_record_line({1, 2, 3});
    const auto result = run_import(elevation_file_kind::mem, 1, text);
    std::string expected = tl::open_creation + tl::open_part(std::string(27, ' '));
    expected += tl::open_line + tl::point(-5, 0.07, -2.5) + tl::point(0, 0, -2.5) + tl::point(5, 0, -2.5) +
                tl::close_line;
    expected += tl::open_line + tl::point(-5, 0.01, 2.5) + tl::point(0, 0.02, 2.5) +
                tl::point(5, 0.03, 2.5) + tl::close_line;
    expected += tl::close_part + tl::close_creation;
    EXPECT_EQ(result.trace(), expected);
}

TEST(mem_import, a_last_record_without_values_leaves_every_line_empty) {
    const std::string text = mem_header_line("", "", "  2", "11") + mem_record_line({7, 8}) + "123456789\r\n";
    const auto result = run_import(elevation_file_kind::mem, 1, text);
    EXPECT_EQ(result.trace(), tl::open_creation + tl::open_part(std::string(27, ' ')) + tl::open_line +
                                  tl::close_line + tl::open_line + tl::close_line + tl::close_part +
                                  tl::close_creation);
}

TEST(mem_import, an_overlong_record_line_keeps_the_first_200_values) {
    std::vector<int> values(260);
    for (int j = 0; j < 260; ++j) values[j] = j;
    const std::string text = mem_header_line("", "", "  1", "1") + mem_record_line(values);
    const auto result = run_import(elevation_file_kind::mem, 1, text);
    const auto& calls = result.scene.calls();
    ASSERT_EQ(calls.size(), 2u + 1u + 200u + 1u + 2u);
    EXPECT_EQ(calls[3 + 199].position.x, 497.5f);
    EXPECT_EQ(calls[3 + 199].position.y, static_cast<float>(199 * 0.01));
}

TEST(mem_import, more_than_200_records_keep_the_first_200_and_read_no_further) {
    // A count field can announce up to 999 records; the grid holds 200.
    std::string text = mem_header_line("", "", "260", std::string(260, '1'));
    for (int k = 0; k < 260; ++k) text += mem_record_line({k});
    const auto result = run_import(elevation_file_kind::mem, 1, text);
    EXPECT_EQ(result.lines_delivered, 1 + 200);
    const auto& calls = result.scene.calls();
    ASSERT_EQ(calls.size(), 4u + 200u * 3u);
    EXPECT_EQ(calls[calls.size() - 4].position.y, static_cast<float>(199 * 0.01));
    EXPECT_EQ(calls[calls.size() - 4].position.z, 497.5f);
}

}  // namespace
