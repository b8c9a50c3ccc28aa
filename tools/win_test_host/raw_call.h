#pragma once
// Calls into a plug-in the way the host does: by address, with raw 32-bit arguments
// (pointer-sized in the native build), without any declaration of ours in between.
// On the 32-bit Windows build every call also measures the stack pointer around it:
// a callee that pops more or fewer argument bytes than the caller pushed moves it.
#include <cstdint>
#include <span>

struct raw_call_result {
    std::uintptr_t value = 0;  // the result register (only its low byte for a bool)
    // How far the stack pointer moved across the call, in bytes: 0 when the callee
    // popped exactly the arguments. Always 0 where it cannot be measured (native).
    std::int32_t stack_change = 0;
};

// True where raw calls measure the stack pointer.
bool raw_calls_check_stack() noexcept;

// A stdcall function (an export): arguments pushed right to left, callee pops them.
raw_call_result call_stdcall(const void* function, std::span<const std::uintptr_t> arguments);

// A thiscall member function: the object in ECX, arguments on the stack, callee pops.
raw_call_result call_thiscall(const void* function, void* object, std::span<const std::uintptr_t> arguments);

// The function at `position` of the object's virtual table.
inline const void* table_entry(void* object, int position) {
    const void* const* table = *static_cast<const void* const* const*>(object);
    return table[position];
}
