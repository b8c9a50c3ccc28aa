// Raw calls on 32-bit Windows, through a small routine that pushes the arguments
// itself and compares the stack pointer before the pushes with the one after the
// callee returned.
#include "tools/win_test_host/raw_call.h"

#include <stdexcept>

// cdecl: pushes arguments[count-1] .. arguments[0], loads ECX with `ecx_value`, calls
// `function`, stores the stack pointer's change through `stack_change` and restores it.
extern "C" std::uint32_t terrain_raw_call(const void* function, void* ecx_value, const std::uint32_t* arguments,
                                          std::uint32_t count, std::int32_t* stack_change);
asm(R"(
    .text
    .globl _terrain_raw_call
    .def _terrain_raw_call; .scl 2; .type 32; .endef
_terrain_raw_call:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl 16(%ebp), %esi
    movl 20(%ebp), %eax
    movl %esp, %edi
1:
    testl %eax, %eax
    jz 2f
    decl %eax
    pushl (%esi,%eax,4)
    jmp 1b
2:
    movl 12(%ebp), %ecx
    call *8(%ebp)
    movl %esp, %ecx
    subl %edi, %ecx
    movl %edi, %esp
    movl 24(%ebp), %edx
    movl %ecx, (%edx)
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");

namespace {

constexpr std::size_t most_arguments = 16;

raw_call_result call(const void* function, void* ecx_value, std::span<const std::uintptr_t> arguments) {
    if (arguments.size() > most_arguments) throw std::invalid_argument("too many arguments for a raw call");
    raw_call_result result;
    result.value = terrain_raw_call(function, ecx_value, arguments.data(), arguments.size(), &result.stack_change);
    return result;
}

}  // namespace

bool raw_calls_check_stack() noexcept { return true; }

raw_call_result call_stdcall(const void* function, std::span<const std::uintptr_t> arguments) {
    return call(function, nullptr, arguments);
}

raw_call_result call_thiscall(const void* function, void* object, std::span<const std::uintptr_t> arguments) {
    return call(function, object, arguments);
}
