// Bad input and failed output: one clear line on stderr naming the file and the problem,
// the documented exit code, and no output file left behind, not even a temporary one.
#include "tests/tools/terrain_import/scratch_folder.h"
#include "tests/tools/terrain_import/tool_process.h"
#include "tools/sample_generator/synthetic_terrain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sys/stat.h>

namespace {

constexpr int nobody = 65534;  // a user who is refused what its permissions refuse

std::string small_lem() {
    synthetic_terrain_options options;
    options.rows = 12;
    options.columns = 16;
    return synthetic_lem_text(options);
}

std::string binary_garbage() {
    std::string bytes;
    std::uint32_t state = 12345;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1664525u + 1013904223u;
        bytes += static_cast<char>(state >> 24);
    }
    return bytes;
}

struct bad_input_case {
    const char* label;
    const char* file;         // made in the input folder by `prepare`
    const char* problem;      // what the message must say
    std::vector<std::string> extra_arguments;
    void (*prepare)(const scratch_folder& inputs);
    bool as_other_user = false;
};

const bad_input_case bad_inputs[] = {
    {"missing file", "nowhere.mem", "no such file", {}, [](const scratch_folder&) {}},
    {"directory", "folder.lem", "is a directory", {},
     [](const scratch_folder& in) { std::filesystem::create_directory(in / "folder.lem"); }},
    {"unreadable file", "locked.lem", "permission denied", {},
     [](const scratch_folder& in) { ::chmod(in.write("locked.lem", small_lem()).c_str(), 0); }, true},
    {"unknown extension", "terrain.txt", "unknown extension \".txt\"", {},
     [](const scratch_folder& in) { in.write("terrain.txt", small_lem()); }},
    {"no extension", "terrain", "no file extension", {},
     [](const scratch_folder& in) { in.write("terrain", small_lem()); }},
    {"empty file", "empty.lem", "empty file", {}, [](const scratch_folder& in) { in.write("empty.lem", ""); }},
    {"binary garbage", "garbage.mem", "binary data", {},
     [](const scratch_folder& in) { in.write("garbage.mem", binary_garbage()); }},
    {"text with a NUL byte", "nul.lem", "binary data", {},
     [](const scratch_folder& in) { in.write("nul.lem", small_lem().replace(300, 1, 1, '\0')); }},
    {"importer of the other kind", "valid.lem", "cannot be imported by vantor50", {"--deliverable", "vantor50"},
     [](const scratch_folder& in) { in.write("valid.lem", small_lem()); }},
};

class bad_input : public testing::TestWithParam<bad_input_case> {};

TEST_P(bad_input, is_named_on_stderr_with_exit_code_2_and_leaves_no_output) {
    const bad_input_case& c = GetParam();
    scratch_folder inputs, outputs;
    c.prepare(inputs);
    const std::string file = inputs / c.file;
    std::vector<std::string> arguments = {file, "-o", outputs / "terrain.obj", "--preview", outputs / "terrain.png",
                                          "--info"};
    arguments.insert(arguments.end(), c.extra_arguments.begin(), c.extra_arguments.end());

    const tool_result result = run_tool(arguments, c.as_other_user ? nobody : -1);

    EXPECT_EQ(result.exit_code, 2);
    EXPECT_EQ(result.errors.rfind("terrain-import: " + file + ": ", 0), 0u) << result.errors;
    EXPECT_NE(result.errors.find(c.problem), std::string::npos) << result.errors;
    EXPECT_EQ(std::count(result.errors.begin(), result.errors.end(), '\n'), 1) << result.errors;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(outputs.entries(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(rows, bad_input, testing::ValuesIn(bad_inputs),
                         [](const testing::TestParamInfo<bad_input_case>& info) {
                             std::string name = info.param.label;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

// An output that cannot be written fails the run with exit code 1, and the outputs that
// could be written do not appear either: all of them take their names only at the end.
TEST(failed_output, leaves_no_output_of_the_run_behind) {
    scratch_folder inputs, outputs;
    const std::string file = inputs.write("coastal.lem", small_lem());
    const struct {
        std::string geometry, picture, named;
    } rows[] = {
        {outputs / "missing-folder/terrain.obj", outputs / "terrain.png", outputs / "missing-folder/terrain.obj"},
        {outputs / "terrain.obj", outputs / "missing-folder/terrain.png", outputs / "missing-folder/terrain.png"},
    };
    for (const auto& row : rows) {
        const tool_result result = run_tool({file, "-o", row.geometry, "--preview", row.picture});
        EXPECT_EQ(result.exit_code, 1) << row.named;
        EXPECT_EQ(result.errors.rfind("terrain-import: " + row.named + ": ", 0), 0u) << result.errors;
        EXPECT_EQ(std::count(result.errors.begin(), result.errors.end(), '\n'), 1) << result.errors;
        EXPECT_EQ(outputs.entries(), std::vector<std::string>{}) << row.named;
    }
}

TEST(arguments, bad_ones_exit_with_2_and_help_and_version_with_0) {
    scratch_folder inputs, outputs;
    const std::string file = inputs.write("coastal.lem", small_lem());
    const struct {
        std::vector<std::string> arguments;
        int exit_code;
        const char* said;  // on stdout for 0, stderr otherwise
    } rows[] = {
        {{}, 2, "FILE is required"},
        {{file, "--deliverable", "qelmar7"}, 2, "qelmar7"},
        {{file, "--format", "stl"}, 2, "stl"},
        {{file, "--vertical-exaggeration", "0"}, 2, "vertical-exaggeration"},
        {{file, "--info", "--format", "obj"}, 2, "--info and the geometry cannot both go to standard output"},
        {{"--help"}, 0, "--vertical-exaggeration"},
        {{"--version"}, 0, "terrain-import "},
    };
    for (const auto& row : rows) {
        const tool_result result = run_tool(row.arguments);
        EXPECT_EQ(result.exit_code, row.exit_code) << row.said;
        const std::string& said = row.exit_code == 0 ? result.out : result.errors;
        EXPECT_NE(said.find(row.said), std::string::npos) << said;
    }
    EXPECT_EQ(outputs.entries(), std::vector<std::string>{});
}

}  // namespace
