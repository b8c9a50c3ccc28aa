#pragma once
#include "framework/calling_convention.h"

#include <cstdint>

// The host's view of the file being imported, third argument of do_import.
// Binary contract with the 32-bit host: table order read_line, get_file_path;
// thiscall, 32-bit arguments. No virtual destructor (see scene_builder_interface).
struct source_stream_interface {
    // Points *line at the next line's NUL-terminated text, valid until the next call.
    // The result is ignored. When no line is left or the file cannot be read it fails:
    // by throwing, or by leaving *line untouched (callers set it to null first).
    virtual void TERRAIN_THISCALL read_line(const char** line, std::int32_t reserved) = 0;
    // The path of the imported file, the same text on every call of one import.
    virtual const char* TERRAIN_THISCALL get_file_path() = 0;

protected:
    ~source_stream_interface() = default;
};
