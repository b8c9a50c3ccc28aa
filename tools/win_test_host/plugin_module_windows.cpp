// The plug-in loaded the way the host loads it: LoadLibraryA, then GetProcAddress of
// each decorated name.
#include "tools/win_test_host/plugin_module.h"
#include "tools/win_test_host/win32_loader_api.h"

#include <cstdio>

std::optional<plugin_module> load_plugin_module(const std::string& module, std::string& error) {
    plugin_module loaded;
    loaded.deliverable_name = deliverable_name_of(module);
    loaded.handle = LoadLibraryA(module.c_str());
    if (loaded.handle == nullptr) {
        char text[96];
        std::snprintf(text, sizeof text, "LoadLibraryA failed (error %lu)", static_cast<unsigned long>(GetLastError()));
        error = text;
        return std::nullopt;
    }
    for (int i = 0; i < export_count; ++i) {
        loaded.exports[i] = GetProcAddress(loaded.handle, export_names[i].decorated);
        if (loaded.exports[i] == nullptr) error += std::string(error.empty() ? "" : ", ") + "no export " +
                                                   export_names[i].decorated;
    }
    if (!error.empty()) {
        FreeLibrary(loaded.handle);
        return std::nullopt;
    }
    return loaded;
}

void unload_plugin_module(plugin_module& module) {
    if (module.handle != nullptr) FreeLibrary(module.handle);
    module.handle = nullptr;
}
