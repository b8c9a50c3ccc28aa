#pragma once
// What the host expects of each deliverable, written out for the test host on its own
// (Shift_JIS bytes escaped, the text in a comment; a native test holds them against the
// C library's encoder).
#include <cstdint>
#include <string_view>

struct expected_deliverable {
    std::string_view name;
    std::uint32_t importer_id;
    std::string_view extension;  // also the file kind
    int sample_step;
    std::string_view display_name;
    std::string_view description_japanese;
    std::string_view description_english;
};

// "50mメッシュ(標高)memファイルを読み込み", "5mメッシュ(標高)lemファイルを読み込み"
inline constexpr std::string_view expected_mem_japanese =
    "50m\x83\x81\x83" "b\x83V\x83\x85(\x95W\x8D\x82)mem\x83t\x83@\x83" "C\x83\x8B\x82\xF0\x93\xC7\x82\xDD\x8D\x9E\x82\xDD";
inline constexpr std::string_view expected_lem_japanese =
    "5m\x83\x81\x83" "b\x83V\x83\x85(\x95W\x8D\x82)lem\x83t\x83@\x83" "C\x83\x8B\x82\xF0\x93\xC7\x82\xDD\x8D\x9E\x82\xDD";

// Display names with the arrow "→" (0x81 0xA8).
inline constexpr expected_deliverable expected_deliverables[] = {
    {"vantor200", 0x51800022, "mem", 4, "mem(50m\x81\xA8" "200m)", expected_mem_japanese, "50mGrid(Elevation)import"},
    {"vantor100", 0x51800021, "mem", 2, "mem(50m\x81\xA8" "100m)", expected_mem_japanese, "50mGrid(Elevation)import"},
    {"vantor50", 0x51800020, "mem", 1, "mem(50m\x81\xA8" "50m)", expected_mem_japanese, "50mGrid(Elevation)import"},
    {"qelmar20", 0x51800012, "lem", 4, "lem(5m\x81\xA8" "20m)", expected_lem_japanese, "5mGrid(Elevation)import"},
    {"qelmar10", 0x51800011, "lem", 2, "lem(5m\x81\xA8" "10m)", expected_lem_japanese, "5mGrid(Elevation)import"},
    {"qelmar5", 0x51800010, "lem", 1, "lem(5m\x81\xA8" "5m)", expected_lem_japanese, "5mGrid(Elevation)import"},
};

// The author's name in Latin letters and in katakana ("リン・アオキ").
inline constexpr std::string_view expected_author_name = "Rin Aoki";
inline constexpr std::string_view expected_author_name_katakana = "\x83\x8A\x83\x93\x81" "E\x83" "A\x83I\x83L";

inline constexpr std::int32_t expected_sdk_version = 380394;
inline constexpr std::int32_t expected_sdk_version_base = 380000;

inline const expected_deliverable* find_expected_deliverable(std::string_view name) {
    for (const expected_deliverable& d : expected_deliverables) {
        if (d.name == name) return &d;
    }
    return nullptr;
}
