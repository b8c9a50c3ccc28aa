#pragma once
#include "importers/number_field.h"

#include <cstdint>

// A 5-character value field of a record line. Nearly every field has one shape:
// blanks, an optional minus sign, then digits up to the end of the field ("  123",
// "-9999", "12345"). That shape is recognised and converted without a data-dependent
// branch; any other field takes the general number parser, so the result is always
// exactly that of parse_number_field(field, 5).
namespace value_field_detail {

enum : unsigned { other = 0, digit = 1, blank = 2, minus = 4 };

// A table rather than comparisons, so that classifying a byte takes no branch.
struct byte_class_table {
    unsigned char of[256] = {};
    constexpr byte_class_table() {
        for (int c = '0'; c <= '9'; ++c) of[c] = digit;
        of[static_cast<unsigned char>(' ')] = blank;
        of[static_cast<unsigned char>('-')] = minus;
    }
};
inline constexpr byte_class_table byte_classes;

// Bit (8 * left + right) is set when a byte of class `right` may follow one of class
// `left` in the usual shape.
constexpr std::uint64_t pair_bit(unsigned left, unsigned right) { return std::uint64_t{1} << (8 * left + right); }
inline constexpr std::uint64_t allowed_pairs = pair_bit(blank, blank) | pair_bit(blank, minus) |
                                               pair_bit(blank, digit) | pair_bit(minus, digit) |
                                               pair_bit(digit, digit);

}  // namespace value_field_detail

constexpr std::int32_t parse_value_field(const char* field) {
    using namespace value_field_detail;
    const auto b0 = static_cast<unsigned char>(field[0]), b1 = static_cast<unsigned char>(field[1]),
               b2 = static_cast<unsigned char>(field[2]), b3 = static_cast<unsigned char>(field[3]),
               b4 = static_cast<unsigned char>(field[4]);
    const unsigned c0 = byte_classes.of[b0], c1 = byte_classes.of[b1], c2 = byte_classes.of[b2],
                   c3 = byte_classes.of[b3], c4 = byte_classes.of[b4];
    const std::uint64_t usual = c4 & (allowed_pairs >> (8 * c0 + c1)) & (allowed_pairs >> (8 * c1 + c2)) &
                                (allowed_pairs >> (8 * c2 + c3)) & (allowed_pairs >> (8 * c3 + c4));
    if ((usual & 1) == 0) return parse_number_field(field, 5);

    // A digit's value times its class bit (1 for digits, 0 for blanks and the sign).
    const std::int32_t magnitude = (b0 - '0') * static_cast<std::int32_t>(c0 & digit) * 10000 +
                                   (b1 - '0') * static_cast<std::int32_t>(c1 & digit) * 1000 +
                                   (b2 - '0') * static_cast<std::int32_t>(c2 & digit) * 100 +
                                   (b3 - '0') * static_cast<std::int32_t>(c3 & digit) * 10 + (b4 - '0');
    // -1 when a minus sign precedes the digits, else +1.
    const std::int32_t sign = 1 - static_cast<std::int32_t>(((c0 | c1 | c2 | c3) & minus) >> 1);
    return sign * magnitude;
}
