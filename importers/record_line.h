#pragma once
#include <cstddef>
#include <cstring>

// Both file kinds hold their values in 5-character fields after a fixed prefix.
inline constexpr std::size_t value_field_width = 5;

// The length of a NUL-terminated line, but never more than `capacity`: bytes past
// the capacity are neither read nor used, so an overlong line keeps the values that
// fit and the rest is ignored.
inline std::size_t bounded_line_length(const char* line, std::size_t capacity) {
    const void* end = std::memchr(line, '\0', capacity);
    return end ? static_cast<std::size_t>(static_cast<const char*>(end) - line) : capacity;
}

// The number of whole value fields in a line of `length` bytes after `prefix` bytes;
// a line end or other short tail adds no value, and a line shorter than its prefix
// holds none.
constexpr int record_value_count(std::size_t length, std::size_t prefix) {
    return length <= prefix ? 0 : static_cast<int>((length - prefix) / value_field_width);
}
