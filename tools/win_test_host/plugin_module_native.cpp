// Natively the six deliverables' plug-in code is linked in; the module argument picks
// one by its name.
#include "plugin/plugin_exports.h"
#include "tools/win_test_host/plugin_module.h"

namespace {

template <const deliverable& d>
plugin_module linked_module() {
    using e = plugin_exports<d>;
    plugin_module module;
    module.deliverable_name = d.name;
    const auto address = [](auto function) { return reinterpret_cast<const void*>(function); };
    module.exports[create_interface_export] = address(&e::create_interface);
    module.exports[get_id_export] = address(&e::get_id);
    module.exports[get_info_export] = address(&e::get_info);
    module.exports[get_interface_version_export] = address(&e::get_interface_version);
    module.exports[get_name_export] = address(&e::get_name);
    module.exports[get_text_encoding_export] = address(&e::get_text_encoding);
    module.exports[has_interface_export] = address(&e::has_interface);
    module.exports[has_separate_interfaces_export] = address(&e::has_separate_interfaces);
    module.exports[is_resident_export] = address(&e::is_resident);
    return module;
}

}  // namespace

std::optional<plugin_module> load_plugin_module(const std::string& module, std::string& error) {
    const plugin_module linked[] = {linked_module<vantor200>(), linked_module<vantor100>(),
                                    linked_module<vantor50>(),  linked_module<qelmar20>(),
                                    linked_module<qelmar10>(),  linked_module<qelmar5>()};
    const std::string name = deliverable_name_of(module);
    for (const plugin_module& candidate : linked) {
        if (candidate.deliverable_name == name) return candidate;
    }
    error = "\"" + name + "\" is not one of the six deliverables linked into this build";
    return std::nullopt;
}

void unload_plugin_module(plugin_module&) {}
