#pragma once
#include <array>
#include <cstddef>

// Every virtual operation of the component chain, by position in the virtual table.
//
// Binary contract with the host, which calls operations by position: the order and the
// argument counts (32-bit arguments besides the object) must never change; adding,
// removing or moving one shifts every later position. The chain of classes
// (unknown_interface, plugin_interface, importer_interface) is generated from this
// table: each row with a default and arguments becomes one virtual operation per
// position; the operations named in a comment are written out by hand in their class.

enum class operation_kind {
    declared,        // a named operation, declared by hand in its class
    returns_zero,    // returns the 32-bit value 0
    returns_one,     // returns the 32-bit value 1
    returns_spaces,  // returns 0x20202020, four ASCII blanks
    returns_true,    // returns the bool true
    returns_false,   // returns the bool false
    does_nothing,    // returns no value
    clears_text,     // writes an empty string into the buffer its first argument points to
    reserved,        // raises an exception whose object is the int 0; never returns
};

struct operation_row {
    std::size_t first;  // first and last position the row covers
    std::size_t last;
    std::size_t arguments;
    operation_kind kind;
};

inline constexpr std::size_t operation_count = 405;

namespace operation_rows_detail {
using enum operation_kind;

// Grouped as the host documents its table, one row per run of identical positions.
inline constexpr operation_row rows[] = {
    // IUnknown (stdcall)
    {0, 0, 2, declared},  // QueryInterface
    {1, 1, 0, declared},  // AddRef
    {2, 2, 0, declared},  // Release
    // unknown_interface
    {3, 3, 1, declared},  // scalar_deleting_destructor
    {4, 4, 0, returns_true},  // operation_4
    // plugin_interface
    {5, 5, 1, declared},  // get_plugin_id: returns 0 unless overridden
    {6, 7, 2, returns_zero},
    {8, 8, 3, returns_zero},
    {9, 22, 3, does_nothing},
    {23, 23, 2, returns_zero},
    {24, 24, 3, does_nothing},
    {25, 25, 4, does_nothing},
    {26, 26, 3, returns_zero},
    {27, 27, 6, clears_text},
    {28, 28, 7, clears_text},
    {29, 29, 5, clears_text},
    {30, 31, 3, clears_text},
    {32, 32, 3, does_nothing},
    {33, 33, 3, clears_text},
    {34, 35, 6, clears_text},
    {36, 36, 0, declared},  // get_sdk_version: abstract
    {37, 37, 4, clears_text},
    {38, 39, 5, clears_text},
    {40, 40, 3, clears_text},
    {41, 41, 1, returns_true},
    {42, 43, 0, returns_false},  // operation_42, operation_43
    {44, 51, 2, returns_zero},
    {52, 52, 1, does_nothing},
    {53, 56, 1, returns_false},
    {57, 57, 3, returns_true},
    {58, 59, 4, returns_true},
    {60, 60, 3, returns_true},
    {61, 61, 2, returns_false},
    {62, 62, 2, returns_true},
    {63, 65, 5, clears_text},
    {66, 66, 3, clears_text},
    {67, 67, 1, returns_false},
    {68, 68, 1, returns_one},
    {69, 69, 4, does_nothing},
    {70, 70, 1, returns_false},
    {71, 73, 2, does_nothing},
    {74, 74, 1, returns_false},
    {75, 75, 3, does_nothing},
    {76, 77, 3, clears_text},
    {78, 78, 5, does_nothing},
    {79, 81, 3, clears_text},
    {82, 82, 2, returns_zero},
    {83, 83, 1, does_nothing},
    {84, 85, 4, clears_text},
    {86, 86, 3, clears_text},
    {87, 87, 0, returns_zero},  // operation_87
    {88, 88, 2, does_nothing},
    {89, 90, 3, clears_text},
    {91, 91, 4, clears_text},
    {92, 93, 3, clears_text},
    {94, 94, 2, returns_zero},
    {95, 96, 3, does_nothing},
    {97, 97, 1, does_nothing},
    {98, 104, 1, reserved},
    {105, 105, 4, clears_text},
    {106, 204, 1, reserved},
    // importer_interface
    {205, 205, 1, returns_one},
    {206, 206, 2, returns_spaces},
    {207, 207, 2, returns_zero},
    {208, 208, 1, returns_one},
    {209, 209, 2, declared},  // get_file_extension: abstract
    {210, 210, 2, returns_zero},
    {211, 211, 1, returns_true},
    {212, 212, 4, declared},  // do_import: abstract
    {213, 213, 1, returns_true},
    {214, 404, 1, reserved},
};
}  // namespace operation_rows_detail

inline constexpr auto& operation_rows = operation_rows_detail::rows;

// The rows cover positions 0 to 404 in order, without gap or overlap.
constexpr bool rows_cover_every_position() {
    std::size_t next = 0;
    for (const operation_row& row : operation_rows) {
        if (row.first != next || row.last < row.first) return false;
        next = row.last + 1;
    }
    return next == operation_count;
}
static_assert(rows_cover_every_position());

constexpr const operation_row& operation_row_at(std::size_t position) {
    for (const operation_row& row : operation_rows) {
        if (position >= row.first && position <= row.last) return row;
    }
    throw "position out of the table";  // not a constant expression: fails the build
}

// Positions whose operation a class of the chain declares by hand: the named ones, and
// those without arguments, whose parameter list could not tell them apart from a
// neighbour of the same kind (see default_operations.h).
constexpr bool is_declared_by_hand(std::size_t position) {
    const operation_row& row = operation_row_at(position);
    return row.kind == operation_kind::declared || row.arguments == 0;
}
