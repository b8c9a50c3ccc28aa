// Guest smoke test: loads the smoke DLL the way the test host loads a plug-in and
// calls its stdcall export. The same program built natively prints the reference
// lines; the harness compares the two outputs byte for byte.
#include "tools/guest/smoke/smoke_mix.h"
#include "tools/guest/smoke/stack_pointer.h"

#include <cstdio>
#include <iterator>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

namespace {

struct smoke_case {
    std::int32_t count;
    float scale;
    const char* text;
};

constexpr smoke_case cases[] = {
    {7, 2.5f, "guest"},
    {-3, 0.1f, ""},
    {100000, 1.0e-3f, "Wine loads this DLL"},
};

}  // namespace

int main() {
#if defined(_WIN32)
    // Text mode would turn every "\n" into "\r\n" and spoil the byte comparison.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const smoke_mix_function mix = find_smoke_mix();
    if (mix == nullptr) return 2;

    int unbalanced = 0;
    for (const smoke_case& c : cases) {
        const std::uintptr_t before = stack_pointer();
        const float result = mix(c.count, c.scale, c.text);
        const std::uintptr_t after = stack_pointer();
        std::printf("smoke_mix(%d, %.9g, \"%s\") = %.9g\n", static_cast<int>(c.count),
                    static_cast<double>(c.scale), c.text, static_cast<double>(result));
        if (before != after) {
            std::fprintf(stderr, "stack pointer moved by %ld bytes across smoke_mix\n",
                         static_cast<long>(after - before));
            ++unbalanced;
        }
    }
    return unbalanced == 0 ? 0 : 1;
}
