#include "tests/tools/terrain_import/reference_import.h"
#include "tests/tools/terrain_import/scratch_folder.h"
#include "tools/recording_host/trace_format.h"
#include "tools/terrain_import/atomic_file.h"
#include "tools/terrain_import/capturing_scene.h"
#include "tools/terrain_import/geometry_formats.h"

#include <gtest/gtest.h>

#include <charconv>
#include <sys/stat.h>

namespace {

captured_terrain capture(const std::string& path, const deliverable& d) {
    capturing_scene scene;
    text_stream stream(file_bytes(path), host_file_path(path));
    import_terrain(d.kind, d.sample_step, scene, stream);
    return scene.take_terrain();
}

float read_float(const char*& at, const char* end) {
    float value = 0;
    const auto result = std::from_chars(at, end, value);
    EXPECT_EQ(result.ec, std::errc()) << std::string(at, std::min<std::size_t>(20, end - at));
    at = result.ptr;
    while (at < end && (*at == ' ' || *at == ',')) ++at;
    return value;
}

// The lines of a written file that hold one point each, cut to where x starts.
std::vector<std::string> point_lines(const std::string& text, geometry_format format, std::size_t count) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    if (format == geometry_format::ply) at = text.find("end_header\n") + 11;
    if (format == geometry_format::csv) at = text.find('\n') + 1;
    while (at < text.size() && lines.size() < count) {
        const std::size_t end = text.find('\n', at);
        std::string line = text.substr(at, end - at);
        at = end + 1;
        if (format == geometry_format::obj) {
            if (line.rfind("v ", 0) != 0) continue;
            line.erase(0, 2);
        }
        if (format == geometry_format::csv) {
            std::size_t x = line.rfind('"');  // after the quoted part name: line, point, then x
            for (int field = 0; field < 3; ++field) x = line.find(',', x) + 1;
            line.erase(0, x);
        }
        lines.push_back(line);
    }
    return lines;
}

// Every text format writes each point so that it reads back as exactly the same float.
TEST(geometry_formats, obj_ply_and_csv_read_back_to_the_exact_imported_points) {
    const deliverable& d = *find_deliverable("qelmar10");
    const reference_import expected("samples/coastal.lem", d);
    const captured_terrain terrain = capture("samples/coastal.lem", d);
    for (const geometry_format format : {geometry_format::obj, geometry_format::ply, geometry_format::csv}) {
        std::string text;
        write_geometry(terrain, format, text);
        const std::vector<std::string> lines = point_lines(text, format, expected.points.size());
        ASSERT_EQ(lines.size(), expected.points.size());
        for (std::size_t k = 0; k < lines.size(); ++k) {
            const char* at = lines[k].data();
            const char* end = at + lines[k].size();
            const vec3 read{read_float(at, end), read_float(at, end), read_float(at, end)};
            ASSERT_EQ(at, end) << lines[k];
            ASSERT_EQ(read.x, expected.points[k].x) << lines[k];
            ASSERT_EQ(read.y, expected.points[k].y) << lines[k];
            ASSERT_EQ(read.z, expected.points[k].z) << lines[k];
        }
    }
}

// CSV numbers lines and points from 1 within their part and line, after the part's name.
TEST(geometry_formats, csv_rows_name_part_line_and_point) {
    const captured_terrain terrain = capture("samples/533946-gaps.mem", *find_deliverable("vantor200"));
    std::string text;
    write_csv(terrain, text);
    EXPECT_EQ(text.rfind("part,line,point,x,y,z\n\"533946 \u898b\u672c\u5c71\u5730\",1,1,-247.5,", 0), 0u)
        << text.substr(0, 80);
    EXPECT_NE(text.find("\n\"533946 \u898b\u672c\u5c71\u5730\",25,25,232.5,"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 25 * 25);
}

// The trace writer rebuilds the calls from the capture, also of an import that stopped
// half-way and left its openings unclosed.
TEST(geometry_formats, trace_of_any_prefix_of_an_import_equals_the_recording_hosts) {
    const char* const name = "533945 \x8c\xa9\x96\x7b";
    const vec3 a{-2.5f, 0.125f, 7.0f}, b{1e-7f, -12345.678f, 3.0f};
    auto drive = [&](scene_builder_interface& s, int calls) {
        int n = 0;
        auto next = [&] { return n++ < calls; };
        if (next()) s.open_creation(0);
        if (next()) s.open_part(name, 0);
        for (int line = 0; line < 2; ++line) {
            if (next()) s.open_line("\x8a\x4a", 0, 0);
            if (next()) s.add_line_point(&a, 0, 0, 0, 0, 0);
            if (next()) s.add_line_point(&b, 0, 0, 0, 0, 0);
            if (next()) s.close_line(0);
        }
        if (next()) s.close_part(0);
        if (next()) s.close_creation(0);
    };
    for (int calls = 0; calls <= 12; ++calls) {
        recording_scene recorded;
        capturing_scene captured;
        drive(recorded, calls);
        drive(captured, calls);
        std::string trace;
        write_trace(captured.terrain(), trace);
        EXPECT_EQ(trace, format_trace(recorded.calls())) << calls << " calls";
    }
}

TEST(atomic_file, takes_its_name_only_when_committed) {
    scratch_folder folder;
    const std::string target = folder.write("terrain.obj", "old");
    {
        atomic_file file(target);
        ASSERT_TRUE(file.open()) << file.error();
        ASSERT_TRUE(file.write("new"));
        EXPECT_EQ(file_bytes(target), "old") << "the name keeps the old file until the commit";
        EXPECT_EQ(folder.entries().size(), 2u) << "old file and the hidden temporary one";
        ASSERT_TRUE(file.commit()) << file.error();
    }
    EXPECT_EQ(file_bytes(target), "new");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"terrain.obj"});
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask) << "the permissions of any new file, not mkstemp's 0600";

    {
        atomic_file abandoned(folder / "other.obj");
        ASSERT_TRUE(abandoned.open());
        ASSERT_TRUE(abandoned.write("partial"));
    }
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"terrain.obj"}) << "nothing of an abandoned file";
}

TEST(atomic_file, fails_cleanly_on_a_folder_and_writes_devices_in_place) {
    scratch_folder folder;
    std::filesystem::create_directory(folder / "taken.obj");
    atomic_file over_folder(folder / "taken.obj");
    ASSERT_TRUE(over_folder.open());
    ASSERT_TRUE(over_folder.write("x"));
    EXPECT_FALSE(over_folder.commit());
    EXPECT_NE(over_folder.error().find("cannot replace the file"), std::string::npos) << over_folder.error();
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"taken.obj"});

    atomic_file null_device("/dev/null");
    ASSERT_TRUE(null_device.open()) << null_device.error();
    ASSERT_TRUE(null_device.write("discarded"));
    ASSERT_TRUE(null_device.commit()) << null_device.error();
    struct stat status {};
    ASSERT_EQ(::stat("/dev/null", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode)) << "/dev/null must stay the device";
}

}  // namespace
