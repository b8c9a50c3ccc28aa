#pragma once
#include <cstdint>

// The host SDK version the plug-ins are built for, answered by the component's
// get_sdk_version and written into the information record.
inline constexpr std::int32_t sdk_version = 380394;
// The oldest SDK version whose hosts can load them (the record's second field).
inline constexpr std::int32_t sdk_version_base = 380000;
