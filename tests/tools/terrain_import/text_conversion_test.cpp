#include "tools/terrain_import/geometry_formats.h"
#include "tools/terrain_import/host_file_path.h"
#include "tools/terrain_import/shift_jis.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(shift_jis, names_convert_to_utf8_and_bytes_that_are_not_shift_jis_become_replacement_characters) {
    const struct {
        std::string host_bytes, utf8;
    } rows[] = {
        {"coastal.lem", "coastal.lem"},
        {"\x8c\xa9\x96\x7b\x8e\x52\x92\x6e", "\u898b\u672c\u5c71\u5730"},           // 見本山地
        {"\x8a\x4a\x82\xa2\x82\xbd\x90\xfc\x8c\x60\x8f\xf3", "\u958b\u3044\u305f\u7dda\u5f62\u72b6"},  // 開いた線形状
        {"a\\b", "a\\b"},  // code page 932 keeps 0x5C a backslash
        {"\xb1\xb2", "\uff71\uff72"},  // half-width katakana
        // Bytes code page 932 leaves undefined (0x80), and a lead byte with no trail byte
        // after it, as where the end of a path cuts a character in two.
        {"\x80" "abc\x8c", "\ufffd" "abc\ufffd"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(shift_jis_to_utf8(row.host_bytes), row.utf8) << row.utf8;
        if (row.utf8.find("\ufffd") == std::string::npos) {
            EXPECT_EQ(utf8_to_shift_jis(row.utf8), row.host_bytes) << row.utf8;
        }
    }
    EXPECT_EQ(utf8_to_shift_jis("\xff not utf-8"), std::nullopt);
    EXPECT_EQ(utf8_to_shift_jis("\U0001F5FB"), std::nullopt) << "Mount Fuji emoji has no Shift_JIS form";
}

TEST(readable_part_name, drops_only_the_padding_blanks_at_the_end) {
    EXPECT_EQ(readable_part_name("533945 \x8c\xa9\x96\x7b\x8e\x52\x92\x6e            "),
              "533945 \u898b\u672c\u5c71\u5730");
    EXPECT_EQ(readable_part_name("  a b  "), "  a b");
    EXPECT_EQ(readable_part_name("      "), "");
}

TEST(host_file_path, is_absolute_and_in_shift_jis_where_it_can_be) {
    const std::string cwd = std::filesystem::current_path().string();
    EXPECT_EQ(host_file_path("samples/coastal.lem"), cwd + "/samples/coastal.lem");
    EXPECT_EQ(host_file_path("./samples/../samples/coastal.lem"), cwd + "/samples/coastal.lem");
    EXPECT_EQ(host_file_path("/data/\u5c71\u5730.lem"), "/data/\x8e\x52\x92\x6e.lem");
    EXPECT_EQ(host_file_path("/data/\U0001F5FB.lem"), "/data/\U0001F5FB.lem") << "lent as its own bytes";
}

}  // namespace
