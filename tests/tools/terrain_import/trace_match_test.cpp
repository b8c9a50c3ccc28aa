// The tool is a host: its trace of an import must be, byte for byte, the recording test
// host's trace of the same file through the same deliverable.
#include "tests/tools/terrain_import/reference_import.h"
#include "tests/tools/terrain_import/scratch_folder.h"
#include "tests/tools/terrain_import/tool_process.h"
#include "tools/recording_host/trace_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

std::vector<std::string> bundled_samples() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator("samples")) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".mem" || extension == ".lem") files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(trace, of_every_bundled_sample_and_deliverable_equals_the_recording_hosts) {
    const std::vector<std::string> samples = bundled_samples();
    ASSERT_GE(samples.size(), 4u);
    int imports = 0;
    for (const std::string& sample : samples) {
        for (const deliverable* each : all_deliverables) {
            const deliverable& d = *each;
            if (!same_extension(d.extension, std::filesystem::path(sample).extension().string().substr(1))) continue;
            SCOPED_TRACE(sample + " " + std::string(d.name));
            const reference_import expected(sample, d);
            ASSERT_GT(expected.points.size(), 0u);
            const tool_result result = run_tool({sample, "--deliverable", std::string(d.name), "--format", "trace"});
            ASSERT_EQ(result.exit_code, 0) << result.errors;
            EXPECT_EQ(result.errors, "");
            EXPECT_TRUE(result.out == format_trace(expected.scene.calls())) << "traces differ";
            ++imports;
        }
    }
    EXPECT_EQ(imports, 3 * static_cast<int>(samples.size()));
}

// The 5 m mesh importers name the part after the end of the path the host lends; the
// tool lends the absolute path, as a host does, so a short relative name still gets
// the folder's tail in front of it.
TEST(trace, lem_part_names_come_from_the_end_of_the_absolute_path) {
    const tool_result bundled = run_tool({"samples/coastal.lem", "--format", "trace"});
    ASSERT_EQ(bundled.exit_code, 0) << bundled.errors;
    EXPECT_EQ(bundled.out.substr(0, 40), "open_creation\nopen_part \"coastal.lem\"\nop");

    const scratch_folder folder;
    const std::string short_name = folder.write("a.lem", file_bytes("samples/coastal.lem"));
    const tool_result relative = run_tool({std::filesystem::relative(short_name).string(), "--format", "trace"});
    ASSERT_EQ(relative.exit_code, 0) << relative.errors;
    EXPECT_NE(relative.out.find("open_part \"" + short_name.substr(short_name.size() - 11) + "\"\n"),
              std::string::npos)
        << relative.out.substr(0, 60);
}

}  // namespace
