#pragma once
// Structured-exception frames of our own, for 32-bit Windows only.
//
// The platform's exceptions (its compiler's C++ exceptions among them) are dispatched
// along a chain of registration records on the stack, headed at fs:[0]. MinGW's C++
// exceptions do not use that chain and its handlers never see such exceptions, so
// run_guarded registers a record of its own around a call.
#include <cstdint>

// The platform's exception record, as a handler receives it (32-bit layout).
struct platform_exception_record {
    std::uint32_t code;
    std::uint32_t flags;
    platform_exception_record* nested;
    void* address;
    std::uint32_t parameter_count;
    std::uintptr_t parameters[15];
};
static_assert(sizeof(platform_exception_record) == 80);

// Flags of a record that is passed to the handlers a second time, while the frames
// above the one that handles it are unwound.
inline constexpr std::uint32_t exception_unwinding = 0x2;
inline constexpr std::uint32_t exception_exit_unwind = 0x4;

// Decides whether the frame handles an exception. Runs while the frames that raised it
// still exist, before anything is unwound.
using exception_filter = bool (*)(const platform_exception_record& record, void* context);

// Calls body(body_context). When a structured exception is raised inside it and
// filter(record, filter_context) accepts it, the frames above are unwound the
// platform's way (their own handlers run their cleanups), a C++ exception object of the
// platform's compiler is destroyed as its handler would have done, and run_guarded
// returns false; the body does not resume. Returns true when the body returns.
// The body must not let a C++ exception of ours out: the frame could not be removed.
bool run_guarded(void (*body)(void*), void* body_context, exception_filter filter,
                 void* filter_context) noexcept;
