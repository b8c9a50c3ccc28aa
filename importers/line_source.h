#pragma once
#include "framework/source_stream_interface.h"

// Asks the host for the next line. Returns nullptr when the host fails: by throwing
// (any exception is absorbed here) or by leaving the line pointer unset.
inline const char* read_next_line(source_stream_interface& stream) noexcept {
    const char* line = nullptr;
    try {
        stream.read_line(&line, 0);
    } catch (...) {
        return nullptr;
    }
    return line;
}
