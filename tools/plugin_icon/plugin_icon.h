#pragma once
// The picture every plug-in carries for the host (resource "TARGA" 295): a 32 x 29
// TGA image of dark-outlined shapes on a transparent background, two upright bars
// joined by a right-pointing arrow, with a downward arrow under the right bar.
#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr int plugin_icon_width = 32;
inline constexpr int plugin_icon_height = 29;
inline constexpr std::size_t tga_header_size = 18;
inline constexpr std::size_t tga_footer_size = 26;
inline constexpr std::size_t plugin_icon_size =
    tga_header_size + std::size_t{plugin_icon_width} * plugin_icon_height * 4 + tga_footer_size;

// One pixel in the picture's own coordinates: x to the right, y downwards from the top.
struct icon_pixel {
    std::uint8_t red, green, blue, alpha;
    bool operator==(const icon_pixel&) const = default;
};

icon_pixel plugin_icon_pixel(int x, int y);

// The whole file: an 18-byte header (uncompressed true colour, 32 bits per pixel with
// 8 alpha bits, rows from the bottom up), the pixels as blue, green, red, alpha, then
// the 26-byte TGA 2.0 footer without extension or developer area.
std::array<std::uint8_t, plugin_icon_size> plugin_icon_tga();
