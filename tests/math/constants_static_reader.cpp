// Reads the library constants from this translation unit's dynamic initialiser,
// which may run before or after anything else: they must already hold their values.

#include "math/constants.h"
#include "math/float4x4.h"

struct constants_seen_at_startup {
    mat4 identity, zero;
    vec4 grey85;
    quat quat_one;
    float4x4 identity4x4;
    bool ran;
};

namespace {
// Not constexpr and reached through a volatile flag, so the compiler must run it at
// start-up rather than fold it into constant data.
volatile bool start_up_reads = true;

constants_seen_at_startup read_constants() {
    constants_seen_at_startup seen{};
    if (start_up_reads) {
        seen.identity = mat4_identity;
        seen.zero = mat4_zero;
        seen.grey85 = rgba_grey85;
        seen.quat_one = quat_identity;
        seen.identity4x4 = float4x4_identity;
        seen.ran = true;
    }
    return seen;
}
}  // namespace

constants_seen_at_startup constants_at_startup = read_constants();
