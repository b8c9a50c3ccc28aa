// What an import does when the host fails: a stream that ends early or refuses a line
// (by throwing or by handing no line), a scene operation that throws. No failure may
// leave the import, and the host sees exactly the calls the rules allow.
#include "tests/support/elevation_text.h"
#include "tests/support/import_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace elevation_text;
using style = text_stream::failure_style;

// The header always announces 5 records; the file holds `records` of them.
std::string mem_file(int records) {
    std::string text = mem_header_line("111111", "Stream", "  5", "11111");
    for (int k = 0; k < records; ++k) text += mem_record_line({k, k + 1, k + 2});
    return text;
}

std::string lem_file(int records) {
    std::string text;
    for (int k = 0; k < records; ++k) text += lem_record_line({k, -9999, k + 2});
    return text;
}

std::string file_of(elevation_file_kind kind, int records) {
    return kind == elevation_file_kind::mem ? mem_file(records) : lem_file(records);
}

int header_lines(elevation_file_kind kind) { return kind == elevation_file_kind::mem ? 1 : 0; }

struct stream_failure_case {
    elevation_file_kind kind;
    style failure;
};

class failing_stream : public testing::TestWithParam<stream_failure_case> {};

// A read failure after k record lines keeps the k complete rows: the import emits
// exactly what a file of k records emits.
TEST_P(failing_stream, keeps_the_rows_read_completely) {
    const auto [kind, failure] = GetParam();
    for (int k = 0; k <= 4; ++k) {
        import_options options;
        options.fail_after_lines = header_lines(kind) + k;
        options.stream_failure = failure;
        const auto failed = run_import(kind, 1, file_of(kind, 5), options);
        const auto expected = run_import(kind, 1, file_of(kind, k));
        EXPECT_EQ(failed.trace(), expected.trace()) << "failure after " << k << " records";
    }
}

INSTANTIATE_TEST_SUITE_P(cases, failing_stream,
                         testing::Values(stream_failure_case{elevation_file_kind::mem, style::throws},
                                         stream_failure_case{elevation_file_kind::mem, style::leaves_null},
                                         stream_failure_case{elevation_file_kind::lem, style::throws},
                                         stream_failure_case{elevation_file_kind::lem, style::leaves_null}),
                         [](const auto& info) {
                             return std::string(info.param.kind == elevation_file_kind::mem ? "mem" : "lem") +
                                    (info.param.failure == style::throws ? "_throws" : "_leaves_null");
                         });

TEST(failing_header, a_header_that_cannot_be_read_ends_the_import_without_a_scene_call) {
    for (const style failure : {style::throws, style::leaves_null}) {
        import_options options;
        options.fail_after_lines = 0;
        options.stream_failure = failure;
        EXPECT_TRUE(run_import(elevation_file_kind::mem, 1, mem_file(3), options).scene.calls().empty());
        options.fail_after_lines = -1;
        EXPECT_TRUE(run_import(elevation_file_kind::mem, 1, "", options).scene.calls().empty());
    }
}

class failing_scene : public testing::TestWithParam<elevation_file_kind> {};

TEST_P(failing_scene, the_host_sees_exactly_the_calls_before_the_failing_one) {
    const elevation_file_kind kind = GetParam();
    const std::string text = file_of(kind, 3);
    const auto complete = run_import(kind, 2, text);
    const auto& all = complete.scene.calls();
    ASSERT_EQ(all.size(), 2u + 2u * 4u + 2u);  // rows 0 and 2 of 3, columns 0 and 2 of 3

    for (std::size_t k = 1; k <= all.size(); ++k) {
        import_options options;
        options.fail_at_scene_call = static_cast<int>(k);
        const auto failed = run_import(kind, 2, text, options);  // must not throw
        const std::vector<scene_call> before(all.begin(), all.begin() + static_cast<long>(k - 1));
        EXPECT_EQ(failed.trace(), format_trace(before)) << "failing call " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(kinds, failing_scene,
                         testing::Values(elevation_file_kind::mem, elevation_file_kind::lem),
                         [](const auto& info) { return info.param == elevation_file_kind::mem ? "mem" : "lem"; });

// A host that cannot say which file it imports.
class pathless_stream final : public source_stream_interface {
public:
    explicit pathless_stream(std::string text) : lines_(std::move(text), "") {}
    void TERRAIN_THISCALL read_line(const char** line, std::int32_t reserved) override {
        lines_.read_line(line, reserved);
    }
    const char* TERRAIN_THISCALL get_file_path() override { return nullptr; }

private:
    text_stream lines_;
};

TEST(failing_host, a_lem_import_without_a_file_path_ends_without_a_scene_call) {
    pathless_stream stream(lem_file(2));
    recording_scene scene;
    import_terrain(elevation_file_kind::lem, 1, scene, stream);
    EXPECT_TRUE(scene.calls().empty());
}

TEST(repeated_imports, two_imports_in_a_row_give_the_same_trace) {
    for (const auto kind : {elevation_file_kind::mem, elevation_file_kind::lem}) {
        const std::string text = file_of(kind, 4);
        EXPECT_EQ(run_import(kind, 1, text).trace(), run_import(kind, 1, text).trace());
    }
}

}  // namespace
