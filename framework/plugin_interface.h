#pragma once
#include "framework/default_operations.h"
#include "framework/unknown_interface.h"

#include <cstdint>

// The operations of plugin_interface written out by hand; every other position from 5
// to 204 is generated from operation_table.h.

template <class Base>
struct declared_operation<Base, 5> : Base {
    // The plug-in's ID; the argument is ignored.
    virtual std::uint32_t TERRAIN_THISCALL get_plugin_id(std::uint32_t) { return 0; }
};

template <class Base>
struct declared_operation<Base, 36> : Base {
    // The SDK version the plug-in was built for.
    virtual std::int32_t TERRAIN_THISCALL get_sdk_version() = 0;
};

// Operations without arguments have no argument type that could carry their position
// (see ignored_argument), so each gets a name of its own.
template <class Base>
struct declared_operation<Base, 42> : Base {
    static_assert(operation_row_at(42).kind == operation_kind::returns_false);
    virtual bool TERRAIN_THISCALL operation_42() { return false; }
};

template <class Base>
struct declared_operation<Base, 43> : Base {
    static_assert(operation_row_at(43).kind == operation_kind::returns_false);
    virtual bool TERRAIN_THISCALL operation_43() { return false; }
};

template <class Base>
struct declared_operation<Base, 87> : Base {
    static_assert(operation_row_at(87).kind == operation_kind::returns_zero);
    virtual std::uint32_t TERRAIN_THISCALL operation_87() { return 0; }
};

// Positions 5 to 204: the operations every plug-in component has. Abstract
// (get_sdk_version); positions 98-104 and 106-204 are reserved.
struct plugin_interface : operations<unknown_interface, 5, 204> {};
