#pragma once
#include <string>
#include <variant>

// The whole text of an elevation file, read before the import starts so that every
// problem with the file is known before any output is made.
struct input_text {
    std::string bytes;
};

// Why a file cannot be imported, as one line for the user ("no such file", ...).
struct input_problem {
    std::string message;
};

// Reads the file at `path`, refusing what cannot be an elevation file: a missing or
// unreadable file, a directory, an empty file, or binary data. Elevation files are
// text: digits, blanks, signs, line ends, and Shift_JIS names in mem headers.
std::variant<input_text, input_problem> read_input_file(const std::string& path);

// The offset of the first byte that no elevation text holds (control characters
// other than tab, line ends, form feed and the end-of-file mark 0x1A, and NUL), or
// std::string::npos when there is none.
std::size_t first_binary_byte(const std::string& bytes);
