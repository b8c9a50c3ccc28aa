#pragma once
#include <cstddef>
#include <cstdint>

// A decimal number in a fixed-width field of `length` bytes (at most 9): leading
// white space is skipped, an optional sign is taken, then digits up to the first
// other byte or the end of the field. A field without digits reads as 0.
constexpr std::int32_t parse_number_field(const char* field, std::size_t length) {
    std::size_t i = 0;
    while (i < length && (field[i] == ' ' || (field[i] >= '\t' && field[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < length && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    std::int32_t value = 0;
    for (; i < length && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
    }
    return negative ? -value : value;
}
