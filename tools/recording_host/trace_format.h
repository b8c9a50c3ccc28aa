#pragma once
#include "tools/recording_host/scene_call.h"

#include <string>
#include <vector>

// The trace format: one host call per line,
//   open_creation | open_part "<name>" | open_line "<name>" | point <x> <y> <z>
//   | close_line | close_part | close_creation
// Names: bytes 0x20-0x7E as they are, except '"' and '\' written as \" and \\;
// every other byte as \xHH (two lower-case hex digits). Coordinates: the float
// values printed with %.9g, which is enough digits to give back the same float.

void append_trace_line(std::string& out, const scene_call& call);

std::string format_trace(const std::vector<scene_call>& calls);

// The quoted, escaped form of a name as it appears in the trace.
std::string quote_trace_name(const std::string& name);
