#pragma once
#include <optional>
#include <string>
#include <string_view>

// Text the host exchanges is 8-bit, Shift_JIS (Windows code page 932) outside ASCII.

// The UTF-8 form of Shift_JIS text. Bytes that are not Shift_JIS (a lone lead byte,
// say, where a name was cut in the middle of a character) become U+FFFD.
std::string shift_jis_to_utf8(std::string_view text);

// The Shift_JIS form of UTF-8 text, or nothing when it is not valid UTF-8 or holds a
// character that Shift_JIS cannot write.
std::optional<std::string> utf8_to_shift_jis(std::string_view text);
