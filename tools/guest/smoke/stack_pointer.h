#pragma once
#include <cstdint>

// The caller's stack pointer, read right before and right after a call through a
// function pointer: equal values show that the callee removed exactly the arguments
// that its declared convention says (stdcall: the callee pops them).
inline std::uintptr_t stack_pointer() {
    std::uintptr_t value = 0;
#if defined(__i386__)
    asm volatile("movl %%esp, %0" : "=r"(value) : : "memory");
#elif defined(__x86_64__)
    asm volatile("movq %%rsp, %0" : "=r"(value) : : "memory");
#endif
    return value;
}
