#pragma once
#include "framework/plugin_interface.h"
#include "framework/scene_builder_interface.h"
#include "framework/source_stream_interface.h"

#include <cstdint>

// The operations of importer_interface written out by hand; every other position from
// 205 to 404 is generated from operation_table.h.

template <class Base>
struct declared_operation<Base, 209> : Base {
    // The extension of the files the importer reads, without the dot, as a string that
    // lives as long as the library; both arguments are ignored.
    virtual const char* TERRAIN_THISCALL get_file_extension(std::uint32_t, std::uint32_t) = 0;
};

template <class Base>
struct declared_operation<Base, 212> : Base {
    // Imports one file: reads it from `stream` and creates its shapes in `scene`. The
    // second and fourth arguments are ignored. Nothing leaves it by exception.
    virtual void TERRAIN_THISCALL do_import(scene_builder_interface* scene, std::uint32_t,
                                            source_stream_interface* stream, std::uint32_t) = 0;
};

// Positions 205 to 404: the operations of an importer plug-in. Abstract
// (get_sdk_version, get_file_extension, do_import); positions 214-404 are reserved.
struct importer_interface : operations<plugin_interface, 205, 404> {};
