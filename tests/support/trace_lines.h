#pragma once
// Expected trace lines, written from the values a test works out by hand.
#include "tools/recording_host/trace_format.h"

#include <string>

namespace trace_lines {

inline const std::string open_creation = "open_creation\n";
inline const std::string close_line = "close_line\n";
inline const std::string close_part = "close_part\n";
inline const std::string close_creation = "close_creation\n";
// open_line with the Shift_JIS bytes of the shape name, escaped.
inline const std::string open_line = "open_line \"\\x8aJ\\x82\\xa2\\x82\\xbd\\x90\\xfc\\x8c`\\x8f\\xf3\"\n";

inline std::string open_part(const std::string& name) { return "open_part " + quote_trace_name(name) + "\n"; }

// A point as the trace prints it; each coordinate is rounded to float first, as the
// importer hands floats to the host.
inline std::string point(double x, double y, double z) {
    scene_call call{scene_call::operation::add_line_point, {},
                    vec3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z))};
    std::string out;
    append_trace_line(out, call);
    return out;
}

}  // namespace trace_lines
