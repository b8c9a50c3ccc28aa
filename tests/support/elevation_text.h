#pragma once
// Builders for small hand-made mem and lem texts, so that each test shows the bytes
// that matter and nothing else.
#include <string>
#include <vector>

namespace elevation_text {

// A value field: the number right-aligned in 5 characters.
std::string field(int value);

// A mem header line: `first` at bytes 0-5, `second` at 58-77, `count` at 142-144
// (as given, so tests can write blanks or zeros), `flags` from byte 225; blanks
// elsewhere. The line ends with "\r\n".
std::string mem_header_line(const std::string& first, const std::string& second, const std::string& count,
                       const std::string& flags);

// A record line: a prefix of `prefix_length` characters, then one field per value, "\r\n".
std::string record_line(int prefix_length, const std::vector<int>& values);
inline std::string mem_record_line(const std::vector<int>& values) { return record_line(9, values); }
inline std::string lem_record_line(const std::vector<int>& values) { return record_line(10, values); }

}  // namespace elevation_text
