// Writes the plug-ins' TGA picture to the file named on the command line.
#include "tools/plugin_icon/plugin_icon.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.tga\n", argv[0]);
        return 2;
    }
    const auto file = plugin_icon_tga();
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    if (std::fclose(out) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
