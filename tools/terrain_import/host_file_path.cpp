#include "tools/terrain_import/host_file_path.h"

#include "tools/terrain_import/shift_jis.h"

#include <filesystem>
#include <system_error>

std::string host_file_path(const std::string& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    const std::string full = error ? path : absolute.lexically_normal().string();
    return utf8_to_shift_jis(full).value_or(full);
}
