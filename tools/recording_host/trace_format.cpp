#include "tools/recording_host/trace_format.h"

#include <cstdio>

namespace {

void append_coordinate(std::string& out, float value) {
    char text[32];
    std::snprintf(text, sizeof text, " %.9g", static_cast<double>(value));
    out += text;
}

}  // namespace

std::string quote_trace_name(const std::string& name) {
    static constexpr char hex_digits[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += c;
        } else if (byte >= 0x20 && byte <= 0x7E) {
            out += c;
        } else {
            out += "\\x";
            out += hex_digits[byte >> 4];
            out += hex_digits[byte & 0xF];
        }
    }
    out += '"';
    return out;
}

void append_trace_line(std::string& out, const scene_call& call) {
    using operation = scene_call::operation;
    switch (call.what) {
    case operation::open_creation: out += "open_creation"; break;
    case operation::open_part: out += "open_part " + quote_trace_name(call.name); break;
    case operation::open_line: out += "open_line " + quote_trace_name(call.name); break;
    case operation::add_line_point:
        out += "point";
        append_coordinate(out, call.position.x);
        append_coordinate(out, call.position.y);
        append_coordinate(out, call.position.z);
        break;
    case operation::close_line: out += "close_line"; break;
    case operation::close_part: out += "close_part"; break;
    case operation::close_creation: out += "close_creation"; break;
    }
    out += '\n';
}

std::string format_trace(const std::vector<scene_call>& calls) {
    std::string out;
    for (const scene_call& call : calls) {
        append_trace_line(out, call);
    }
    return out;
}
