#pragma once
// The nine exports of a deliverable, as static functions of a template so that the
// native tests and test host can hold all six deliverables at once. The library's
// exported C functions (module_exports.cpp) forward to the ones of its deliverable.
#include "framework/importer_component.h"
#include "framework/interface_id.h"
#include "framework/sdk_version.h"
#include "plugin/deliverables.h"
#include "plugin/export_signatures.h"

#include <new>

inline constexpr std::int32_t plugin_interface_version = 25;
inline constexpr std::int32_t shift_jis_code_page = 932;

template <const deliverable& d>
struct plugin_exports {
    using component = importer_component<d>;

    static void TERRAIN_STDCALL create_interface(std::uint32_t, std::uint32_t, IUnknown** component_out,
                                                 std::uint32_t, std::uint32_t) noexcept {
        // The interface ID the host may pass is not looked at: every call creates a new
        // component. An exception cannot be handed to the host (see
        // platform_cxx_exception.h), so when no memory is left nothing is stored.
        if (component_out == nullptr) return;
        auto* created = new (std::nothrow) component();
        if (created == nullptr) return;
        created->AddRef();
        *component_out = created;
    }

    static std::int32_t TERRAIN_STDCALL has_interface(const interface_id* id, std::uint32_t) noexcept {
        return is_importer_interface_id(id) ? 1 : 0;
    }

    static const char* TERRAIN_STDCALL get_name(const interface_id* id, std::uint32_t, std::uint32_t,
                                                std::uint32_t) noexcept {
        return is_importer_interface_id(id) ? d.display_name : nullptr;
    }

    static std::int32_t TERRAIN_STDCALL get_interface_version(std::uint32_t) noexcept {
        return plugin_interface_version;
    }

    static std::uint32_t TERRAIN_STDCALL get_id(const interface_id* id, std::uint32_t, std::uint32_t) noexcept {
        return is_importer_interface_id(id) ? d.importer_id : 0;
    }

    static bool TERRAIN_STDCALL is_resident(std::uint32_t, std::uint32_t, std::uint32_t) noexcept { return true; }

    static void TERRAIN_STDCALL get_info(plugin_info* info, host_interface* host, std::uint32_t) noexcept {
        if (info == nullptr) return;
        // The host is asked before any field is written.
        const bool japanese = host != nullptr && host->is_japanese_ui(0);
        info->sdk_version = sdk_version;
        info->sdk_version_base = sdk_version_base;
        info->info_value_1 = 1;
        info->info_value_2 = 0;
        info->info_value_3 = 0;
        info->info_value_4 = 0;
        info->plugin_name = d.name;
        info->author_name = ::author_name;
        info->author_name_katakana = ::author_name_katakana;
        info->description = japanese ? d.description_japanese : d.description_english;
    }

    static bool TERRAIN_STDCALL has_separate_interfaces(std::uint32_t) noexcept { return false; }

    static std::int32_t TERRAIN_STDCALL get_text_encoding(host_interface* host, std::uint32_t) noexcept {
        return host != nullptr && host->is_japanese_ui(0) ? shift_jis_code_page : 0;
    }
};
