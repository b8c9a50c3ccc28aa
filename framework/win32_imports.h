#pragma once
// The few functions of the 32-bit Windows system libraries that the structured-
// exception layer calls, declared from their documented signatures (stdcall, imported
// from KERNEL32). 32-bit Windows only.
#include <cstdint>

struct platform_exception_record;

extern "C" {
__attribute__((dllimport, stdcall)) void RaiseException(std::uint32_t code, std::uint32_t flags,
                                                        std::uint32_t argument_count,
                                                        const std::uintptr_t* arguments);
__attribute__((dllimport, stdcall)) void RtlUnwind(void* target_frame, void* target_ip,
                                                   platform_exception_record* record, void* return_value);
}
