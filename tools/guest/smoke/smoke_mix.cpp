#include "tools/guest/smoke/smoke_mix.h"

#include <cstring>

extern "C" float TERRAIN_STDCALL smoke_mix(std::int32_t count, float scale, const char* text) {
    const auto length = static_cast<float>(std::strlen(text));
    return static_cast<float>(count) * scale + length / 3.0f;
}
