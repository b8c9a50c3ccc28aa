#pragma once
#include <charconv>
#include <cstddef>
#include <string>

// Numbers appended to output text without the locale or printf's parsing cost.

// The shortest decimal text that reads back as the same float.
inline void append_shortest(std::string& out, float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

// The same text as printf's %.9g (nine significant digits, enough for any float).
inline void append_nine_digits(std::string& out, float value) {
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, static_cast<double>(value), std::chars_format::general, 9);
    out.append(text, result.ptr);
}

inline void append_count(std::string& out, std::size_t value) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}
