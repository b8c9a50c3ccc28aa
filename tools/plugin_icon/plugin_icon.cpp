#include "tools/plugin_icon/plugin_icon.h"

#include <cstring>

namespace {

enum class shape { none, bar, arrow };

constexpr bool in(int value, int low, int high) { return value >= low && value <= high; }

// Which shape covers the pixel at (x, y); outside the canvas nothing does.
shape shape_at(int x, int y) {
    if (!in(x, 0, plugin_icon_width - 1) || !in(y, 0, plugin_icon_height - 1)) return shape::none;
    const bool left_bar = in(x, 2, 7) && in(y, 3, 25);
    const bool right_bar = in(x, 22, 27) && in(y, 3, 17);
    if (left_bar || right_bar) return shape::bar;

    // The arrow from the left bar to the right one: a shaft, then a head whose tip is at (20, 10).
    const int dy = y > 10 ? y - 10 : 10 - y;
    const bool right_arrow = (in(x, 8, 15) && in(y, 9, 11)) || (in(x, 16, 20) && dy <= 20 - x);
    // The arrow under the right bar: a two-pixel shaft, then a head whose tip is at y 26.
    const int dx = x < 24 ? 24 - x : (x > 25 ? x - 25 : 0);
    const bool down_arrow = (in(x, 24, 25) && in(y, 18, 21)) || (in(y, 22, 26) && dx <= 26 - y);
    if (right_arrow || down_arrow) return shape::arrow;
    return shape::none;
}

constexpr icon_pixel transparent{0, 0, 0, 0};
constexpr icon_pixel outline{0x20, 0x24, 0x2C, 0xFF};
constexpr icon_pixel bar_fill{0xA8, 0xC4, 0xE4, 0xFF};
constexpr icon_pixel arrow_fill{0xF0, 0x9C, 0x2C, 0xFF};

}  // namespace

icon_pixel plugin_icon_pixel(int x, int y) {
    const shape here = shape_at(x, y);
    if (here == shape::none) return transparent;
    // A covered pixel next to an uncovered one (or the canvas edge) is part of the outline.
    const bool edge = shape_at(x - 1, y) == shape::none || shape_at(x + 1, y) == shape::none ||
                      shape_at(x, y - 1) == shape::none || shape_at(x, y + 1) == shape::none;
    if (edge) return outline;
    return here == shape::bar ? bar_fill : arrow_fill;
}

std::array<std::uint8_t, plugin_icon_size> plugin_icon_tga() {
    std::array<std::uint8_t, plugin_icon_size> file{};
    std::uint8_t* header = file.data();
    header[2] = 2;  // uncompressed true colour; no image ID, no colour map
    header[12] = plugin_icon_width & 0xFF;
    header[13] = plugin_icon_width >> 8;
    header[14] = plugin_icon_height & 0xFF;
    header[15] = plugin_icon_height >> 8;
    header[16] = 32;  // bits per pixel
    header[17] = 8;   // 8 alpha bits; rows stored from the bottom up

    std::uint8_t* out = file.data() + tga_header_size;
    for (int y = plugin_icon_height - 1; y >= 0; --y) {
        for (int x = 0; x < plugin_icon_width; ++x) {
            const icon_pixel p = plugin_icon_pixel(x, y);
            *out++ = p.blue;
            *out++ = p.green;
            *out++ = p.red;
            *out++ = p.alpha;
        }
    }
    // Footer: extension-area and developer-area offsets 0, then the signature.
    out += 8;
    std::memcpy(out, "TRUEVISION-XFILE.", 18);
    return file;
}
