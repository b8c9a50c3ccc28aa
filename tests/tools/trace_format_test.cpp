#include "tools/recording_host/recording_scene.h"
#include "tools/recording_host/text_stream.h"
#include "tools/recording_host/trace_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

TEST(trace_format, names_escape_quotes_backslashes_and_bytes_outside_printable_ascii) {
    EXPECT_EQ(quote_trace_name("plain name ~"), "\"plain name ~\"");
    EXPECT_EQ(quote_trace_name("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(quote_trace_name(std::string("\x1f\x7f\x80\xff\t", 5)), "\"\\x1f\\x7f\\x80\\xff\\x09\"");
    EXPECT_EQ(quote_trace_name(""), "\"\"");
}

TEST(trace_format, points_print_floats_with_nine_significant_digits_that_read_back_exactly) {
    const float values[] = {0.0f, -497.5f, 123.45f, 1e-7f, 3.40282347e38f, -0.0f};
    for (const float v : values) {
        std::string line;
        append_trace_line(line, {scene_call::operation::add_line_point, {}, vec3(v, v, v)});
        float x, y, z;
        ASSERT_EQ(std::sscanf(line.c_str(), "point %g %g %g\n", &x, &y, &z), 3) << line;
        EXPECT_EQ(x, v);
        EXPECT_EQ(std::signbit(z), std::signbit(v));
    }
    std::string line;
    append_trace_line(line, {scene_call::operation::add_line_point, {}, vec3(2.5f, 123.45f, -1)});
    EXPECT_EQ(line, "point 2.5 123.449997 -1\n");
}

TEST(trace_format, one_line_per_call_in_order) {
    recording_scene scene;
    scene.open_creation(0);
    scene.open_part("P", 0);
    scene.open_line("L", 0, 0);
    const vec3 p(1, 2, 3);
    scene.add_line_point(&p, 0, 0, 0, 0, 0);
    scene.close_line(0);
    scene.close_part(0);
    scene.close_creation(0);
    EXPECT_EQ(format_trace(scene.calls()),
              "open_creation\nopen_part \"P\"\nopen_line \"L\"\npoint 1 2 3\nclose_line\nclose_part\nclose_creation\n");
}

TEST(text_stream, delivers_lines_with_their_ends_then_fails) {
    text_stream stream("one\r\ntwo\nlast", "C:\\f.lem");
    const char* line = nullptr;
    for (const char* expected : {"one\r\n", "two\n", "last"}) {
        stream.read_line(&line, 0);
        EXPECT_STREQ(line, expected);
    }
    EXPECT_THROW(stream.read_line(&line, 0), host_failure);
    EXPECT_STREQ(stream.get_file_path(), "C:\\f.lem");

    text_stream quiet("a\nb\n", "p");
    quiet.fail_after_lines(1);
    quiet.set_failure_style(text_stream::failure_style::leaves_null);
    quiet.read_line(&line, 0);
    line = nullptr;
    quiet.read_line(&line, 0);
    EXPECT_EQ(line, nullptr);
    EXPECT_EQ(quiet.failed_reads(), 1);
}

}  // namespace
