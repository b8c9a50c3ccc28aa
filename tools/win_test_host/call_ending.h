#pragma once
// How a call into the plug-in ended: normally, or by an exception, described in words
// that are the same on every platform ("int 0", "C++ exception of type host_error").
#include <string>
#include <type_traits>

struct call_ending {
    bool raised = false;
    std::string exception;  // what was raised, when it was
};

// Runs body(context) and catches whatever it raises. On 32-bit Windows a
// structured-exception frame catches it and its filter decodes the exception record of
// the platform compiler's C++ exceptions; natively a C++ handler catches it.
call_ending observe_call(void (*body)(void*), void* context);

template <class Call>
call_ending observe(Call&& call) {
    return observe_call([](void* c) { (*static_cast<std::remove_reference_t<Call>*>(c))(); }, &call);
}
