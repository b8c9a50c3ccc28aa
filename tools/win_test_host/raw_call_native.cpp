// Native raw calls. The object and the arguments go where the native calling
// convention puts a member function's object and integer arguments, which is where a
// function taking them as leading pointer-sized integers expects them.
#include "tools/win_test_host/raw_call.h"

#include <cstddef>
#include <stdexcept>
#include <utility>

namespace {

template <std::size_t>
using word = std::uintptr_t;

template <std::size_t... index>
std::uintptr_t call_with(const void* function, [[maybe_unused]] std::span<const std::uintptr_t> arguments,
                         std::index_sequence<index...>) {
    using target = std::uintptr_t (*)(word<index>...);
    return reinterpret_cast<target>(const_cast<void*>(function))(arguments[index]...);
}

constexpr std::size_t most_arguments = 8;  // the object and the 7 arguments of position 28

template <std::size_t... count>
std::uintptr_t call_with_count(const void* function, std::span<const std::uintptr_t> arguments,
                               std::index_sequence<count...>) {
    std::uintptr_t result = 0;
    const bool called = ((arguments.size() == count &&
                          (result = call_with(function, arguments, std::make_index_sequence<count>{}), true)) ||
                         ...);
    if (!called) throw std::invalid_argument("too many arguments for a raw call");
    return result;
}

std::uintptr_t call_native(const void* function, std::span<const std::uintptr_t> arguments) {
    return call_with_count(function, arguments, std::make_index_sequence<most_arguments + 1>{});
}

}  // namespace

bool raw_calls_check_stack() noexcept { return false; }

raw_call_result call_stdcall(const void* function, std::span<const std::uintptr_t> arguments) {
    return {call_native(function, arguments), 0};
}

raw_call_result call_thiscall(const void* function, void* object, std::span<const std::uintptr_t> arguments) {
    std::uintptr_t with_object[most_arguments];
    if (arguments.size() + 1 > most_arguments) throw std::invalid_argument("too many arguments for a raw call");
    with_object[0] = reinterpret_cast<std::uintptr_t>(object);
    for (std::size_t i = 0; i < arguments.size(); ++i) with_object[i + 1] = arguments[i];
    return {call_native(function, std::span<const std::uintptr_t>(with_object, arguments.size() + 1)), 0};
}
