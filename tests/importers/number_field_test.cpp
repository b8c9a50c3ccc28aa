#include "importers/number_field.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct number_case {
    std::string field;
    std::int32_t expected;
};

class number_field : public testing::TestWithParam<number_case> {};

TEST_P(number_field, reads_decimal_number_within_the_field) {
    const number_case& c = GetParam();
    EXPECT_EQ(parse_number_field(c.field.data(), c.field.size()), c.expected) << '"' << c.field << '"';
}

INSTANTIATE_TEST_SUITE_P(
    cases, number_field,
    testing::Values(number_case{"  123", 123}, number_case{"-0012", -12}, number_case{"12a45", 12},
                    number_case{"-9999", -9999}, number_case{"99999", 99999},
                    number_case{"     ", 0}, number_case{"", 0}, number_case{"abc", 0},
                    number_case{"   -7", -7}, number_case{"  +42", 42}, number_case{"\t\r\n\v1", 1},
                    number_case{"  -  ", 0}, number_case{"- 5", 0}, number_case{"1 2", 1},
                    number_case{"--5", 0}, number_case{"1", 1}, number_case{"0", 0}));

// The field ends where its width ends, even when digits follow in the line.
TEST(number_field_width, stops_at_the_end_of_the_field) {
    constexpr char line[] = "  12345678";
    EXPECT_EQ(parse_number_field(line, 5), 123);
    static_assert(parse_number_field("00250", 5) == 250);
}

}  // namespace

#include "importers/value_field.h"

namespace {

// The value-field fast path must agree with the general parser on every field: all
// 5-character fields over an alphabet holding each kind of byte that matters.
TEST(value_field, agrees_with_the_general_parser_on_every_field_of_a_mixed_alphabet) {
    constexpr char alphabet[] = {' ', '-', '+', '0', '1', '9', 'a', '\t', '\0', '\xff'};
    constexpr int n = sizeof alphabet;
    char field[5];
    int usual_shapes = 0;
    for (int code = 0; code < n * n * n * n * n; ++code) {
        int rest = code;
        for (char& c : field) {
            c = alphabet[rest % n];
            rest /= n;
        }
        const std::int32_t expected = parse_number_field(field, 5);
        ASSERT_EQ(parse_value_field(field), expected) << testing::PrintToString(std::string(field, 5));
        usual_shapes += field[4] >= '0' && field[4] <= '9';
    }
    EXPECT_GT(usual_shapes, 0);
    static_assert(parse_value_field("-9999") == -9999 && parse_value_field(" 2477") == 2477 &&
                  parse_value_field("12a45") == 12);
}

}  // namespace
