#pragma once
// One plug-in as the test host reaches it: its nine exports by address.
#include <array>
#include <optional>
#include <string>
#include <string_view>

// The decorated names the host looks up, and the argument bytes their decoration says.
struct export_name {
    const char* decorated;
    int argument_bytes;
};
enum export_index {
    create_interface_export,
    get_id_export,
    get_info_export,
    get_interface_version_export,
    get_name_export,
    get_text_encoding_export,
    has_interface_export,
    has_separate_interfaces_export,
    is_resident_export,
    export_count,
};
inline constexpr export_name export_names[export_count] = {
    {"_create_interface@20", 20},    {"_get_id@12", 12},         {"_get_info@12", 12},
    {"_get_interface_version@4", 4}, {"_get_name@16", 16},       {"_get_text_encoding@8", 8},
    {"_has_interface@8", 8},         {"_has_separate_interfaces@4", 4}, {"_is_resident@12", 12},
};

struct plugin_module {
    std::string deliverable_name;  // the file name without folder and extension
    std::array<const void*, export_count> exports{};
    void* handle = nullptr;        // the loaded library, where there is one
};

// The deliverable a module argument names: its file name without folders and extension.
std::string deliverable_name_of(std::string_view module);

// Loads the plug-in named on the command line. On failure returns nothing and says why
// in `error`.
std::optional<plugin_module> load_plugin_module(const std::string& module, std::string& error);
void unload_plugin_module(plugin_module& module);
