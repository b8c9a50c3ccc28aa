// The preview is a real PNG picture, and its colours tell what the file gave: cells
// without an elevation have their own colour, and only where there are such cells.
#include "tests/tools/terrain_import/reference_import.h"
#include "tests/tools/terrain_import/scratch_folder.h"
#include "tools/terrain_import/capturing_scene.h"
#include "tools/terrain_import/preview_picture.h"
#include "tools/terrain_import/relief_palette.h"
#include "tools/sample_generator/synthetic_terrain.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

// fontconfig keeps a few hundred bytes of its font matching unreachable until the
// process ends; the sanitizer build would count them as our leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

struct picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0xRRGGBB

    std::size_t count(rgb colour, int x0 = 0, int x1 = -1) const {
        auto channel = [](double v) { return static_cast<std::uint32_t>(std::lround(v * 255)); };
        const std::uint32_t wanted = channel(colour.r) << 16 | channel(colour.g) << 8 | channel(colour.b);
        std::size_t n = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = x0; x < (x1 < 0 ? width : x1); ++x) n += pixels[static_cast<std::size_t>(y) * width + x] == wanted;
        }
        return n;
    }
    // Pixels of a blue-violet that no elevation tint has, antialiased edges included.
    std::size_t violet(int x0) const {
        std::size_t n = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = x0; x < width; ++x) {
                const std::uint32_t c = pixels[static_cast<std::size_t>(y) * width + x];
                const int r = c >> 16 & 0xFF, g = c >> 8 & 0xFF, b = c & 0xFF;
                n += b > r + 40 && b > g + 40;
            }
        }
        return n;
    }
    // A digest of the pixels between two columns, to tell panels apart.
    std::vector<std::uint32_t> columns(int x0, int x1) const {
        std::vector<std::uint32_t> out;
        for (int y = 0; y < height; ++y) {
            for (int x = x0; x < x1; ++x) out.push_back(pixels[static_cast<std::size_t>(y) * width + x]);
        }
        return out;
    }
};

picture draw(const std::string& path, const deliverable& d, double exaggeration = 1.0) {
    const std::string text = file_bytes(path);
    capturing_scene scene;
    text_stream stream(text, host_file_path(path));
    import_terrain(d.kind, d.sample_step, scene, stream);
    const cell_census census = take_cell_census(d.kind, text);

    scratch_folder folder;
    const std::string png = folder / "preview.png";
    std::FILE* file = std::fopen(png.c_str(), "wb");
    std::string problem;
    const bool drawn = draw_preview_png({path, d, scene.terrain(), census, exaggeration}, file, problem);
    std::fclose(file);
    EXPECT_TRUE(drawn) << problem;

    cairo_surface_t* surface = cairo_image_surface_create_from_png(png.c_str());
    EXPECT_EQ(cairo_surface_status(surface), CAIRO_STATUS_SUCCESS) << "not a PNG the library can read back";
    picture p;
    p.width = cairo_image_surface_get_width(surface);
    p.height = cairo_image_surface_get_height(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < p.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < p.width; ++x) p.pixels.push_back(row[x] & 0xFFFFFF);
    }
    cairo_surface_destroy(surface);
    return p;
}

TEST(preview_picture, shows_cells_without_elevation_in_their_own_colour_and_only_those) {
    scratch_folder folder;
    synthetic_terrain_options complete;
    complete.rows = 60;
    complete.columns = 80;
    complete.sea_fraction = 0;
    complete.relief_m = 60;  // gentle enough that no ridge hides the hole from the camera
    const std::string whole = folder.write("wholeon.lem", synthetic_lem_text(complete));
    ASSERT_EQ(take_cell_census(elevation_file_kind::lem, file_bytes(whole)).missing_count, 0u);
    synthetic_terrain_options holed = complete;
    holed.voids = {{30, 40, 8}};
    const std::string with_hole = folder.write("holedon.lem", synthetic_lem_text(holed));

    const picture without = draw(whole, *find_deliverable("qelmar5"));
    const picture with = draw(with_hole, *find_deliverable("qelmar5"));
    EXPECT_GT(without.width, 1000);
    EXPECT_GT(without.height, 600);
    EXPECT_EQ(without.count(missing_fill) + without.count(missing_hatch) + without.count(missing_line), 0u);
    // The hole is about 200 of 4800 cells; in a top view some 550 pixels wide it covers
    // thousands of pixels.
    EXPECT_GT(with.count(missing_fill), 2000u);
    const int perspective = with.width * 2 / 5;
    EXPECT_EQ(without.violet(perspective), 0u);
    EXPECT_GT(with.violet(perspective), 50u) << "the perspective view colours the hole's lines too";
}

TEST(preview_picture, vertical_exaggeration_changes_the_perspective_view_only) {
    const deliverable& d = *find_deliverable("vantor100");
    const picture flat = draw("samples/533946-gaps.mem", d, 1.0);
    const picture steep = draw("samples/533946-gaps.mem", d, 4.0);
    const int split = flat.width * 2 / 5;  // the top view is the left part, the perspective the right
    EXPECT_TRUE(flat.columns(0, split) == steep.columns(0, split));
    EXPECT_FALSE(flat.columns(split, flat.width) == steep.columns(split, flat.width));
}

TEST(preview_picture, is_drawn_even_when_the_import_created_no_points) {
    scratch_folder folder;
    const std::string header_only = folder.write("empty.mem", std::string(225, ' ') + "\r\n");
    const picture p = draw(header_only, *find_deliverable("vantor50"));
    EXPECT_GT(p.width, 0);
}

}  // namespace
