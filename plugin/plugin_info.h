#pragma once
#include <cstddef>
#include <cstdint>

// The host's information record, of which get_info fills the first ten fields and
// touches nothing else. Binary contract: on the 32-bit host these are ten consecutive
// 32-bit fields (the record itself may be longer).
struct plugin_info {
    std::int32_t sdk_version;
    std::int32_t sdk_version_base;
    std::int32_t info_value_1;
    std::int32_t info_value_2;
    std::int32_t info_value_3;
    std::int32_t info_value_4;
    const char* plugin_name;
    const char* author_name;
    const char* author_name_katakana;
    const char* description;
};

#if defined(__i386__)
static_assert(sizeof(plugin_info) == 40);
static_assert(offsetof(plugin_info, plugin_name) == 24);
static_assert(offsetof(plugin_info, description) == 36);
#endif
