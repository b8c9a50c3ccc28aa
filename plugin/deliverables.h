#pragma once
// The constants that tell the six deliverables apart. Everything else is the same
// source. Strings are 8-bit; characters outside ASCII are Shift_JIS (code page 932),
// written as escaped bytes with the text they spell in a comment.
#include "importers/terrain_import.h"

#include <array>
#include <cstdint>

struct deliverable {
    const char* name;                  // also the library's file name without ".dll"
    const char* display_name;          // answered by get_name whatever the host's language
    const char* description_japanese;  // the information record's description for a Japanese host
    const char* description_english;   // ... and for any other host
    std::uint32_t importer_id;         // the plug-in ID (get_id, get_plugin_id)
    const char* extension;             // the files the importer reads, without the dot
    elevation_file_kind kind;
    int sample_step;                   // every how many rows and columns are emitted
};

namespace deliverable_strings {
// Arrays rather than pointers to literals: each string has exactly one address, so the
// host always gets the same pointer for it.
inline constexpr char mem_description_japanese[] =  // "50mメッシュ(標高)memファイルを読み込み"
    "50m\x83\x81\x83" "b\x83V\x83\x85(\x95W\x8D\x82)mem\x83t\x83@\x83" "C\x83\x8B\x82\xF0\x93\xC7\x82\xDD\x8D\x9E\x82\xDD";
inline constexpr char lem_description_japanese[] =  // "5mメッシュ(標高)lemファイルを読み込み"
    "5m\x83\x81\x83" "b\x83V\x83\x85(\x95W\x8D\x82)lem\x83t\x83@\x83" "C\x83\x8B\x82\xF0\x93\xC7\x82\xDD\x8D\x9E\x82\xDD";
inline constexpr char mem_description_english[] = "50mGrid(Elevation)import";
inline constexpr char lem_description_english[] = "5mGrid(Elevation)import";
inline constexpr char mem_extension[] = "mem";
inline constexpr char lem_extension[] = "lem";

// The arrow of the display names is "→", 0x81 0xA8.
inline constexpr char vantor200_display_name[] = "mem(50m\x81\xA8" "200m)";
inline constexpr char vantor100_display_name[] = "mem(50m\x81\xA8" "100m)";
inline constexpr char vantor50_display_name[] = "mem(50m\x81\xA8" "50m)";
inline constexpr char qelmar20_display_name[] = "lem(5m\x81\xA8" "20m)";
inline constexpr char qelmar10_display_name[] = "lem(5m\x81\xA8" "10m)";
inline constexpr char qelmar5_display_name[] = "lem(5m\x81\xA8" "5m)";

inline constexpr char vantor200_name[] = "vantor200";
inline constexpr char vantor100_name[] = "vantor100";
inline constexpr char vantor50_name[] = "vantor50";
inline constexpr char qelmar20_name[] = "qelmar20";
inline constexpr char qelmar10_name[] = "qelmar10";
inline constexpr char qelmar5_name[] = "qelmar5";
}  // namespace deliverable_strings

// The author of all six, in Latin letters and in katakana ("リン・アオキ").
inline constexpr char author_name[] = "Rin Aoki";
inline constexpr char author_name_katakana[] = "\x83\x8A\x83\x93\x81" "E\x83" "A\x83I\x83L";

namespace deliverable_table {
namespace s = deliverable_strings;
using enum elevation_file_kind;

inline constexpr deliverable vantor200{s::vantor200_name, s::vantor200_display_name, s::mem_description_japanese,
                                       s::mem_description_english, 0x51800022, s::mem_extension, mem, 4};
inline constexpr deliverable vantor100{s::vantor100_name, s::vantor100_display_name, s::mem_description_japanese,
                                       s::mem_description_english, 0x51800021, s::mem_extension, mem, 2};
inline constexpr deliverable vantor50{s::vantor50_name, s::vantor50_display_name, s::mem_description_japanese,
                                      s::mem_description_english, 0x51800020, s::mem_extension, mem, 1};
inline constexpr deliverable qelmar20{s::qelmar20_name, s::qelmar20_display_name, s::lem_description_japanese,
                                      s::lem_description_english, 0x51800012, s::lem_extension, lem, 4};
inline constexpr deliverable qelmar10{s::qelmar10_name, s::qelmar10_display_name, s::lem_description_japanese,
                                      s::lem_description_english, 0x51800011, s::lem_extension, lem, 2};
inline constexpr deliverable qelmar5{s::qelmar5_name, s::qelmar5_display_name, s::lem_description_japanese,
                                     s::lem_description_english, 0x51800010, s::lem_extension, lem, 1};
}  // namespace deliverable_table

using deliverable_table::qelmar10;
using deliverable_table::qelmar20;
using deliverable_table::qelmar5;
using deliverable_table::vantor100;
using deliverable_table::vantor200;
using deliverable_table::vantor50;

inline constexpr std::array<const deliverable*, 6> all_deliverables{&vantor200, &vantor100, &vantor50,
                                                                    &qelmar20,  &qelmar10,  &qelmar5};
