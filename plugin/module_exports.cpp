// The nine functions the host looks up in the library, by their decorated names (the
// .def file maps each to its export name and ordinal).
#include "plugin/plugin_exports.h"
#include "plugin/this_deliverable.h"

namespace {
using exports = plugin_exports<this_deliverable>;
}

extern "C" {

void TERRAIN_STDCALL create_interface(std::uint32_t a, std::uint32_t b, IUnknown** component, std::uint32_t d,
                                      std::uint32_t e) noexcept {
    exports::create_interface(a, b, component, d, e);
}

std::int32_t TERRAIN_STDCALL has_interface(const interface_id* id, std::uint32_t b) noexcept {
    return exports::has_interface(id, b);
}

const char* TERRAIN_STDCALL get_name(const interface_id* id, std::uint32_t b, std::uint32_t c,
                                     std::uint32_t d) noexcept {
    return exports::get_name(id, b, c, d);
}

std::int32_t TERRAIN_STDCALL get_interface_version(std::uint32_t a) noexcept {
    return exports::get_interface_version(a);
}

std::uint32_t TERRAIN_STDCALL get_id(const interface_id* id, std::uint32_t b, std::uint32_t c) noexcept {
    return exports::get_id(id, b, c);
}

bool TERRAIN_STDCALL is_resident(std::uint32_t a, std::uint32_t b, std::uint32_t c) noexcept {
    return exports::is_resident(a, b, c);
}

void TERRAIN_STDCALL get_info(plugin_info* info, host_interface* host, std::uint32_t c) noexcept {
    exports::get_info(info, host, c);
}

bool TERRAIN_STDCALL has_separate_interfaces(std::uint32_t a) noexcept {
    return exports::has_separate_interfaces(a);
}

std::int32_t TERRAIN_STDCALL get_text_encoding(host_interface* host, std::uint32_t b) noexcept {
    return exports::get_text_encoding(host, b);
}

}  // extern "C"
