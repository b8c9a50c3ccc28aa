#pragma once
// The nine exports as the host calls them. Binary contract: stdcall (the callee pops
// its arguments), plain C names decorated with the argument bytes, every argument 32
// bits wide; the comment gives each decorated name.
#include "framework/calling_convention.h"
#include "framework/host_interface.h"
#include "framework/iunknown.h"
#include "plugin/plugin_info.h"

#include <cstdint>

namespace export_signature {
// _create_interface@20: stores a new component, holding one reference, through `component`.
using create_interface = void TERRAIN_STDCALL(std::uint32_t, std::uint32_t, IUnknown** component, std::uint32_t,
                                              std::uint32_t);
// _has_interface@8: 1 for the importer interface ID, else 0.
using has_interface = std::int32_t TERRAIN_STDCALL(const interface_id* id, std::uint32_t);
// _get_name@16: the display name for the importer interface ID, else null.
using get_name = const char* TERRAIN_STDCALL(const interface_id* id, std::uint32_t, std::uint32_t, std::uint32_t);
// _get_interface_version@4: 25.
using get_interface_version = std::int32_t TERRAIN_STDCALL(std::uint32_t);
// _get_id@12: the plug-in ID for the importer interface ID, else 0.
using get_id = std::uint32_t TERRAIN_STDCALL(const interface_id* id, std::uint32_t, std::uint32_t);
// _is_resident@12: true.
using is_resident = bool TERRAIN_STDCALL(std::uint32_t, std::uint32_t, std::uint32_t);
// _get_info@12: fills the first ten fields of the host's record.
using get_info = void TERRAIN_STDCALL(plugin_info* info, host_interface* host, std::uint32_t);
// _has_separate_interfaces@4: false.
using has_separate_interfaces = bool TERRAIN_STDCALL(std::uint32_t);
// _get_text_encoding@8: 932 (Shift_JIS) for a host with a Japanese user interface, else 0.
using get_text_encoding = std::int32_t TERRAIN_STDCALL(host_interface* host, std::uint32_t);
}  // namespace export_signature
