#include "tools/terrain_import/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <vector>

namespace {

// libpng reports errors by longjmp to here: this function holds nothing that needs
// destroying, and the row buffer belongs to the caller.
bool encode(png_structp png, png_infop info, std::FILE* out, const unsigned char* data, int width, int height,
            int stride, png_bytep row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_init_io(png, out);
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB | PNG_FILTER_UP);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        // Cairo keeps each pixel as one native-endian 32-bit word, 0x00RRGGBB.
        const auto* pixels = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<png_byte>(pixels[x] >> 16);
            row[3 * x + 1] = static_cast<png_byte>(pixels[x] >> 8);
            row[3 * x + 2] = static_cast<png_byte>(pixels[x]);
        }
        png_write_row(png, row);
    }
    png_write_end(png, info);
    return true;
}

}  // namespace

bool write_png(cairo_surface_t* image, std::FILE* out) {
    cairo_surface_flush(image);
    const int width = cairo_image_surface_get_width(image);
    const int height = cairo_image_surface_get_height(image);
    std::vector<png_byte> row(static_cast<std::size_t>(width) * 3);

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    const bool written = info != nullptr && encode(png, info, out, cairo_image_surface_get_data(image), width,
                                                    height, cairo_image_surface_get_stride(image), row.data());
    png_destroy_write_struct(&png, &info);
    return written && std::fflush(out) == 0;
}
