#pragma once
// Generates the virtual operations of the component chain from operation_table.h.
//
// `operations<Base, First, Last>` derives from Base and adds positions First..Last, one
// virtual operation each, in order. A position with a default becomes
// `default_operation`; a position the table marks as declared by hand becomes the
// specialisation `declared_operation<Base, position>` that its class writes out.
//
// Binary contract: every operation is thiscall (callee pops its arguments) and every
// argument is one 32-bit stack slot. The argument types below are trivially copyable
// structs of one 32-bit value, passed exactly like that value.
#include "framework/calling_convention.h"
#include "framework/operation_table.h"
#include "framework/reserved_operation.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

// A 32-bit argument the default ignores. Its type names the position: a virtual
// operation with the same name and parameter list as one of an earlier position would
// override it instead of adding a table entry.
template <std::size_t position, std::size_t index>
struct ignored_argument {
    std::uint32_t value;
};

// The first argument of a default that clears the text: the host's character buffer.
template <std::size_t position>
struct text_buffer {
    char* text;
};

// Written out by the class that owns the position (see is_declared_by_hand).
template <class Base, std::size_t position>
struct declared_operation;

template <class Base, std::size_t position, operation_kind kind, class argument_indices>
struct default_operation;

// Each generated operation must add an entry, never override an earlier one: the
// names repeat from position to position on purpose, and a missing `override` is
// turned into an error so that an accidental override cannot shift the table.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Woverloaded-virtual"
#pragma GCC diagnostic error "-Wsuggest-override"

template <class Base, std::size_t position, std::size_t... index>
struct default_operation<Base, position, operation_kind::returns_zero, std::index_sequence<index...>> : Base {
    virtual std::uint32_t TERRAIN_THISCALL returns_zero(ignored_argument<position, index>...) { return 0; }
};

template <class Base, std::size_t position, std::size_t... index>
struct default_operation<Base, position, operation_kind::returns_one, std::index_sequence<index...>> : Base {
    virtual std::uint32_t TERRAIN_THISCALL returns_one(ignored_argument<position, index>...) { return 1; }
};

template <class Base, std::size_t position, std::size_t... index>
struct default_operation<Base, position, operation_kind::returns_spaces, std::index_sequence<index...>> : Base {
    virtual std::uint32_t TERRAIN_THISCALL returns_spaces(ignored_argument<position, index>...) {
        return 0x20202020;
    }
};

template <class Base, std::size_t position, std::size_t... index>
struct default_operation<Base, position, operation_kind::returns_true, std::index_sequence<index...>> : Base {
    virtual bool TERRAIN_THISCALL returns_true(ignored_argument<position, index>...) { return true; }
};

template <class Base, std::size_t position, std::size_t... index>
struct default_operation<Base, position, operation_kind::returns_false, std::index_sequence<index...>> : Base {
    virtual bool TERRAIN_THISCALL returns_false(ignored_argument<position, index>...) { return false; }
};

template <class Base, std::size_t position, std::size_t... index>
struct default_operation<Base, position, operation_kind::does_nothing, std::index_sequence<index...>> : Base {
    virtual void TERRAIN_THISCALL does_nothing(ignored_argument<position, index>...) {}
};

// The buffer comes first; the others are ignored (index 0 is the buffer's place).
template <class Base, std::size_t position, std::size_t first, std::size_t... index>
struct default_operation<Base, position, operation_kind::clears_text, std::index_sequence<first, index...>>
    : Base {
    virtual void TERRAIN_THISCALL clears_text(text_buffer<position> buffer,
                                              ignored_argument<position, index>...) {
        buffer.text[0] = '\0';
    }
};

template <class Base, std::size_t position, std::size_t... index>
struct default_operation<Base, position, operation_kind::reserved, std::index_sequence<index...>> : Base {
    [[noreturn]] virtual void TERRAIN_THISCALL reserved(ignored_argument<position, index>...) {
        raise_reserved_operation();
    }
};

#pragma GCC diagnostic pop

template <class Base, std::size_t position>
using operation_at = std::conditional_t<
    is_declared_by_hand(position), declared_operation<Base, position>,
    default_operation<Base, position, operation_row_at(position).kind,
                      std::make_index_sequence<operation_row_at(position).arguments>>>;

template <class Base, std::size_t first, std::size_t last>
struct operations;

template <class Base, std::size_t first, std::size_t last>
using operations_before = std::conditional_t<last == first, Base, operations<Base, first, last - 1>>;

template <class Base, std::size_t first, std::size_t last>
struct operations : operation_at<operations_before<Base, first, last>, last> {
    static_assert(first <= last && last < operation_count);
};
