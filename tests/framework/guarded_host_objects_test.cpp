// The guarded scene and stream hand every argument and result through unchanged, and
// let a host's exception reach the import as a C++ exception.
#include "framework/guarded_host_objects.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Writes each call as its name and argument values.
struct spy_scene final : scene_builder_interface {
    std::vector<std::string> calls;
    const vec3* last_position = nullptr;

    void add(std::string name, std::initializer_list<std::int64_t> values) {
        for (const auto v : values) name += ' ' + std::to_string(v);
        calls.push_back(name);
    }
    void open_creation(std::int32_t a) override { add("open_creation", {a}); }
    void open_part(const char* name, std::int32_t a) override { add(std::string("open_part ") + name, {a}); }
    void open_line(const char* name, std::int32_t a, std::int32_t b) override {
        add(std::string("open_line ") + name, {a, b});
    }
    void add_line_point(const vec3* p, std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d,
                        std::int32_t e) override {
        last_position = p;
        add("add_line_point", {a, b, c, d, e});
    }
    void close_line(std::int32_t a) override { add("close_line", {a}); }
    void close_part(std::int32_t a) override { add("close_part", {a}); }
    void close_creation(std::int32_t a) override {
        if (a < 0) throw std::runtime_error("refused");
        add("close_creation", {a});
    }
};

struct spy_stream final : source_stream_interface {
    const char* line = "line text";
    std::int32_t last_reserved = 0;
    void read_line(const char** out, std::int32_t reserved) override {
        last_reserved = reserved;
        *out = line;
    }
    const char* get_file_path() override { return "C:\\path.lem"; }
};

TEST(guarded_scene, forwards_every_argument_unchanged) {
    spy_scene host;
    guarded_scene scene(host);
    const vec3 position(1, 2, 3);
    scene.open_creation(7);
    scene.open_part("part", 8);
    scene.open_line("line", 9, 10);
    scene.add_line_point(&position, 11, 12, 13, 14, 15);
    scene.close_line(16);
    scene.close_part(17);
    scene.close_creation(18);
    const std::vector<std::string> expected = {"open_creation 7",          "open_part part 8",
                                               "open_line line 9 10",      "add_line_point 11 12 13 14 15",
                                               "close_line 16",            "close_part 17",
                                               "close_creation 18"};
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(host.last_position, &position);
}

TEST(guarded_scene, lets_a_host_failure_through_as_an_exception) {
    spy_scene host;
    guarded_scene scene(host);
    EXPECT_ANY_THROW(scene.close_creation(-1));
}

TEST(guarded_stream, forwards_the_line_and_the_path) {
    spy_stream host;
    guarded_stream stream(host);
    const char* line = nullptr;
    stream.read_line(&line, 5);
    EXPECT_EQ(line, host.line);
    EXPECT_EQ(host.last_reserved, 5);
    EXPECT_STREQ(stream.get_file_path(), "C:\\path.lem");
}

}  // namespace
