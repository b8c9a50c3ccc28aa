#include "tools/win_test_host/plugin_module.h"

std::string deliverable_name_of(std::string_view module) {
    const std::size_t slash = module.find_last_of("/\\");
    if (slash != std::string_view::npos) module.remove_prefix(slash + 1);
    const std::size_t dot = module.rfind('.');
    if (dot != std::string_view::npos && dot > 0) module = module.substr(0, dot);
    return std::string(module);
}
