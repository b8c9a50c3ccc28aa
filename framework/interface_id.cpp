#include "framework/interface_id.h"

#include <cstring>

bool is_importer_interface_id(const void* id) noexcept {
    return id != nullptr && std::memcmp(id, importer_interface_id.data(), importer_interface_id.size()) == 0;
}
