// The host's failure raised as the platform compiler's `throw host_error{};` would: a
// structured exception with that compiler's code, magic number, object and throw
// information, written out here from the format (the plug-in side has its own).
#include "tools/win_test_host/host_failure.h"
#include "tools/win_test_host/win32_loader_api.h"

#include <cstdint>

namespace {

int raised = 0;
int destroyed = 0;

struct host_error {
    std::uint32_t code;
};

// The object's destructor, thiscall as that compiler's destructors are.
void __attribute__((thiscall)) destroy_host_error(host_error*) { ++destroyed; }

struct type_descriptor {
    const void* type_info_table;
    void* spare;
    char name[20];
};
struct catchable_type {
    std::uint32_t properties;
    const type_descriptor* type;
    std::int32_t member_displacement, vbtable_displacement, vbase_displacement;
    std::int32_t size;
    const void* copy_constructor;
};
struct catchable_type_array {
    std::int32_t count;
    const catchable_type* types[1];
};
struct throw_info {
    std::uint32_t attributes;
    const void* destructor;
    const void* forward_compatibility;
    const catchable_type_array* catchable_types;
};

// ".?AUhost_error@@" is the decorated name of `struct host_error`.
const type_descriptor host_error_type{nullptr, nullptr, ".?AUhost_error@@"};
const catchable_type host_error_catchable{0, &host_error_type, 0, -1, 0, sizeof(host_error), nullptr};
const catchable_type_array host_error_catchables{1, {&host_error_catchable}};
const throw_info host_error_throw_info{0, reinterpret_cast<const void*>(&destroy_host_error), nullptr,
                                       &host_error_catchables};

constexpr std::uint32_t cxx_exception_code = 0xE06D7363;
constexpr std::uint32_t cxx_magic = 0x19930520;
constexpr std::uint32_t noncontinuable = 1;

}  // namespace

void raise_host_failure() {
    ++raised;
    volatile host_error object{0x600D};
    const std::uintptr_t parameters[3] = {cxx_magic, reinterpret_cast<std::uintptr_t>(&object),
                                          reinterpret_cast<std::uintptr_t>(&host_error_throw_info)};
    RaiseException(cxx_exception_code, noncontinuable, 3, parameters);
    __builtin_unreachable();
}

int host_failures_raised() { return raised; }
int host_failure_objects_destroyed() { return destroyed; }
