#pragma once
#include <exception>
#include <type_traits>

#if defined(__i386__) && defined(_WIN32)
#include "framework/platform_cxx_exception.h"
#include "framework/structured_exception_guard.h"
#endif

// A call into a host object that ended by the host's own exception.
struct host_call_failed : std::exception {
    const char* what() const noexcept override { return "host call failed"; }
};

// Runs `call` (a call into a host object) so that a failure the host reports by an
// exception reaches our handlers as a C++ exception.
//
// A host built with the platform's own compiler reports a failure (a file that cannot
// be read, a refused scene operation) by raising its compiler's C++ exception, a
// structured exception that our handlers never see: it would unwind past our frames
// to the host's own handler, skipping our cleanups and leaving the import half done.
// On 32-bit Windows a structured-exception frame therefore catches it right at the
// call and turns it into host_call_failed. Elsewhere the host objects are our own C++
// test hosts and their exceptions need no translation.
template <class Call>
void call_host(Call&& call) {
#if defined(__i386__) && defined(_WIN32)
    const auto body = [](void* context) { (*static_cast<std::remove_reference_t<Call>*>(context))(); };
    if (!run_guarded(body, &call, accept_platform_cxx_exception, nullptr)) throw host_call_failed{};
#else
    call();
#endif
}
