#pragma once
// What the host may expect at each of the component's 405 table positions, written
// independently of the framework's own table so that tests and the test host can hold
// the built component against it. The PE checks of the DLLs read the rows below too
// (tests/plugin_binaries): keep one row per line, in this form.
#include <array>
#include <cstdint>

enum class expected_behaviour {
    query_interface,  // stdcall; e_nointerface for every ID, out pointer untouched
    add_ref,          // stdcall; the new count
    release,          // stdcall; the new count, destroys at 0
    destructor,       // scalar deleting destructor: flags; bit 0 frees
    plugin_id,        // the deliverable's plug-in ID
    sdk_version,      // 380394
    file_extension,   // the extension string, same pointer every time
    do_import,        // the import
    returns_zero,
    returns_one,
    returns_spaces,   // 0x20202020
    returns_true,
    returns_false,
    does_nothing,
    clears_text,      // first byte of the buffer its first argument points to becomes 0
    reserved,         // raises the int 0
};

struct expected_position_row {
    int first;
    int last;
    int arguments;  // 32-bit arguments besides the object
    expected_behaviour behaviour;
};

// clang-format off
inline constexpr expected_position_row expected_position_rows[] = {
    {0, 0, 2, expected_behaviour::query_interface},
    {1, 1, 0, expected_behaviour::add_ref},
    {2, 2, 0, expected_behaviour::release},
    {3, 3, 1, expected_behaviour::destructor},
    {4, 4, 0, expected_behaviour::returns_true},
    {5, 5, 1, expected_behaviour::plugin_id},
    {6, 7, 2, expected_behaviour::returns_zero},
    {8, 8, 3, expected_behaviour::returns_zero},
    {9, 22, 3, expected_behaviour::does_nothing},
    {23, 23, 2, expected_behaviour::returns_zero},
    {24, 24, 3, expected_behaviour::does_nothing},
    {25, 25, 4, expected_behaviour::does_nothing},
    {26, 26, 3, expected_behaviour::returns_zero},
    {27, 27, 6, expected_behaviour::clears_text},
    {28, 28, 7, expected_behaviour::clears_text},
    {29, 29, 5, expected_behaviour::clears_text},
    {30, 31, 3, expected_behaviour::clears_text},
    {32, 32, 3, expected_behaviour::does_nothing},
    {33, 33, 3, expected_behaviour::clears_text},
    {34, 35, 6, expected_behaviour::clears_text},
    {36, 36, 0, expected_behaviour::sdk_version},
    {37, 37, 4, expected_behaviour::clears_text},
    {38, 39, 5, expected_behaviour::clears_text},
    {40, 40, 3, expected_behaviour::clears_text},
    {41, 41, 1, expected_behaviour::returns_true},
    {42, 43, 0, expected_behaviour::returns_false},
    {44, 51, 2, expected_behaviour::returns_zero},
    {52, 52, 1, expected_behaviour::does_nothing},
    {53, 56, 1, expected_behaviour::returns_false},
    {57, 57, 3, expected_behaviour::returns_true},
    {58, 59, 4, expected_behaviour::returns_true},
    {60, 60, 3, expected_behaviour::returns_true},
    {61, 61, 2, expected_behaviour::returns_false},
    {62, 62, 2, expected_behaviour::returns_true},
    {63, 65, 5, expected_behaviour::clears_text},
    {66, 66, 3, expected_behaviour::clears_text},
    {67, 67, 1, expected_behaviour::returns_false},
    {68, 68, 1, expected_behaviour::returns_one},
    {69, 69, 4, expected_behaviour::does_nothing},
    {70, 70, 1, expected_behaviour::returns_false},
    {71, 73, 2, expected_behaviour::does_nothing},
    {74, 74, 1, expected_behaviour::returns_false},
    {75, 75, 3, expected_behaviour::does_nothing},
    {76, 77, 3, expected_behaviour::clears_text},
    {78, 78, 5, expected_behaviour::does_nothing},
    {79, 81, 3, expected_behaviour::clears_text},
    {82, 82, 2, expected_behaviour::returns_zero},
    {83, 83, 1, expected_behaviour::does_nothing},
    {84, 85, 4, expected_behaviour::clears_text},
    {86, 86, 3, expected_behaviour::clears_text},
    {87, 87, 0, expected_behaviour::returns_zero},
    {88, 88, 2, expected_behaviour::does_nothing},
    {89, 90, 3, expected_behaviour::clears_text},
    {91, 91, 4, expected_behaviour::clears_text},
    {92, 93, 3, expected_behaviour::clears_text},
    {94, 94, 2, expected_behaviour::returns_zero},
    {95, 96, 3, expected_behaviour::does_nothing},
    {97, 97, 1, expected_behaviour::does_nothing},
    {98, 104, 1, expected_behaviour::reserved},
    {105, 105, 4, expected_behaviour::clears_text},
    {106, 204, 1, expected_behaviour::reserved},
    {205, 205, 1, expected_behaviour::returns_one},
    {206, 206, 2, expected_behaviour::returns_spaces},
    {207, 207, 2, expected_behaviour::returns_zero},
    {208, 208, 1, expected_behaviour::returns_one},
    {209, 209, 2, expected_behaviour::file_extension},
    {210, 210, 2, expected_behaviour::returns_zero},
    {211, 211, 1, expected_behaviour::returns_true},
    {212, 212, 4, expected_behaviour::do_import},
    {213, 213, 1, expected_behaviour::returns_true},
    {214, 404, 1, expected_behaviour::reserved},
};
// clang-format on

inline constexpr int component_position_count = 405;

struct expected_position {
    int arguments;
    expected_behaviour behaviour;
    // QueryInterface, AddRef and Release are stdcall with the object on the stack; every
    // other position is thiscall.
    bool stdcall_with_object() const {
        return behaviour == expected_behaviour::query_interface || behaviour == expected_behaviour::add_ref ||
               behaviour == expected_behaviour::release;
    }
};

// The rows cover positions 0 to 404 in order, without gap or overlap.
constexpr bool expected_rows_cover_every_position() {
    int next = 0;
    for (const expected_position_row& row : expected_position_rows) {
        if (row.first != next || row.last < row.first || row.arguments < 0) return false;
        next = row.last + 1;
    }
    return next == 405;
}
static_assert(expected_rows_cover_every_position());

// One entry per position, expanded from the rows.
constexpr std::array<expected_position, component_position_count> expected_positions() {
    std::array<expected_position, component_position_count> positions{};
    for (const expected_position_row& row : expected_position_rows) {
        for (int p = row.first; p <= row.last; ++p) positions[p] = {row.arguments, row.behaviour};
    }
    return positions;
}
