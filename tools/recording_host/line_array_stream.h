#pragma once
#include "framework/source_stream_interface.h"

#include <cstddef>
#include <string>
#include <vector>

// A source stream over a text split into lines once, up front: read_line then only
// hands out a pointer, so that benchmarks and allocation checks measure the importer
// and nothing of the host. Lines are delivered without their line ends. rewind()
// starts over for the next import of the same text. At the end, read_line throws.
class line_array_stream final : public source_stream_interface {
public:
    line_array_stream(const std::string& text, std::string path);

    void rewind() { next_ = 0; }
    std::size_t byte_count() const { return text_.size(); }

    void TERRAIN_THISCALL read_line(const char** line, std::int32_t) override;
    const char* TERRAIN_THISCALL get_file_path() override { return path_.c_str(); }

private:
    std::string text_;  // the lines, each ended by NUL instead of its line end
    std::vector<const char*> lines_;
    std::size_t next_ = 0;
    std::string path_;
};
