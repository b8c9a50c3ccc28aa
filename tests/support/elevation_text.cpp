#include "tests/support/elevation_text.h"

#include <cstdio>

namespace elevation_text {

std::string field(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%5d", value);
    return text;
}

namespace {

void place(std::string& line, std::size_t offset, const std::string& bytes) {
    if (line.size() < offset + bytes.size()) line.resize(offset + bytes.size(), ' ');
    line.replace(offset, bytes.size(), bytes);
}

}  // namespace

std::string mem_header_line(const std::string& first, const std::string& second, const std::string& count,
                       const std::string& flags) {
    std::string line(225, ' ');
    place(line, 0, first);
    place(line, 58, second);
    place(line, 142, count);
    place(line, 225, flags);
    return line + "\r\n";
}

std::string record_line(int prefix_length, const std::vector<int>& values) {
    std::string line(static_cast<std::size_t>(prefix_length), '0');
    for (const int value : values) line += field(value);
    return line + "\r\n";
}

}  // namespace elevation_text
