// The plug-ins' TGA picture: the file layout the host reads, and the drawing.
#include "tools/plugin_icon/plugin_icon.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const auto file = plugin_icon_tga();

icon_pixel stored_pixel(int x, int stored_row) {
    const std::uint8_t* p = file.data() + tga_header_size + 4 * (stored_row * plugin_icon_width + x);
    return {p[2], p[1], p[0], p[3]};
}

TEST(plugin_icon, is_a_32_bit_true_colour_tga_of_32_by_29_with_a_version_2_footer) {
    ASSERT_EQ(file.size(), 3756u);
    const std::uint8_t header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 32, 0, 29, 0, 32, 8};
    EXPECT_EQ(std::memcmp(file.data(), header, sizeof header), 0);
    const std::uint8_t* footer = file.data() + file.size() - 26;
    const std::uint8_t no_areas[8] = {};
    EXPECT_EQ(std::memcmp(footer, no_areas, 8), 0);
    EXPECT_EQ(std::memcmp(footer + 8, "TRUEVISION-XFILE.", 18), 0);
}

TEST(plugin_icon, stores_rows_from_the_bottom_up_as_blue_green_red_alpha) {
    for (int y = 0; y < plugin_icon_height; ++y) {
        for (int x = 0; x < plugin_icon_width; ++x) {
            ASSERT_EQ(stored_pixel(x, plugin_icon_height - 1 - y), plugin_icon_pixel(x, y)) << x << "," << y;
        }
    }
    // The picture is not symmetric top to bottom, so the order shows: the down arrow's
    // tip (column 24, second row from the bottom) is drawn, the same column near the top is not.
    EXPECT_EQ(stored_pixel(24, 2).alpha, 255);
    EXPECT_EQ(stored_pixel(24, plugin_icon_height - 3).alpha, 0);
}

TEST(plugin_icon, draws_dark_outlined_bars_and_arrows_on_transparency) {
    struct case_ {
        int x, y;
        const char* what;
        bool opaque;
        bool dark;
    };
    const case_ cases[] = {
        {0, 0, "corner", false, false},
        {31, 28, "corner", false, false},
        {14, 3, "between the bars, above the arrow", false, false},
        {2, 10, "left edge of the left bar", true, true},
        {4, 14, "inside the left bar", true, false},
        {24, 8, "inside the right bar", true, false},
        {27, 10, "right edge of the right bar", true, true},
        {12, 10, "inside the right arrow's shaft", true, false},
        {12, 9, "top edge of the shaft", true, true},
        {20, 10, "tip of the right arrow", true, true},
        {21, 10, "between the tip and the right bar", false, false},
        {24, 23, "inside the down arrow's head", true, false},
        {24, 26, "tip of the down arrow", true, true},
    };
    for (const case_& c : cases) {
        SCOPED_TRACE(c.what);
        const icon_pixel p = plugin_icon_pixel(c.x, c.y);
        EXPECT_EQ(p.alpha, c.opaque ? 255 : 0);
        if (!c.opaque) {
            EXPECT_EQ(p, (icon_pixel{0, 0, 0, 0}));
            continue;
        }
        const int brightness = p.red + p.green + p.blue;
        if (c.dark) {
            EXPECT_LT(brightness, 3 * 64);
        } else {
            EXPECT_GT(brightness, 3 * 128);
        }
    }
}

}  // namespace
