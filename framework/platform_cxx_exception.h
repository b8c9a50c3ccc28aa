#pragma once
// C++ exceptions in the format of the platform's own compiler (32-bit Windows only).
//
// The host is built with that compiler. A C++ exception that MinGW code throws cannot
// cross into it: its handlers never see one, unwinding stops at our library's boundary
// and the process ends. What they do see is that compiler's own format: a structured
// exception with code 0xE06D7363, whose three parameters are a magic number, the
// address of the thrown object and the address of a description of its type (the
// "throw information": destructor, then the list of types a handler may catch it as).
// raise_platform_cxx_int builds that for an int, so a host's `catch (int)` or
// catch-all receives it; the other direction (the host raising, we catching) is
// recognised and cleaned up here as well.
#include "framework/structured_exception_guard.h"

#include <cstdint>

inline constexpr std::uint32_t platform_cxx_exception_code = 0xE06D7363;
// The magic number that the compiler versions in use write as the first parameter.
inline constexpr std::uint32_t platform_cxx_magic_numbers[] = {0x19930520, 0x19930521, 0x19930522};

// Raises the int `value` as that compiler's `throw value;` would.
[[noreturn]] void raise_platform_cxx_int(std::int32_t value);

// True for a C++ exception of the platform's compiler (not a rethrow without object).
bool is_platform_cxx_exception(const platform_exception_record& record) noexcept;

// An exception_filter that accepts exactly those.
bool accept_platform_cxx_exception(const platform_exception_record& record, void* context) noexcept;

// Runs the thrown object's destructor, as the handler that catches it does when it ends.
void destroy_platform_cxx_object(const platform_exception_record& record) noexcept;
