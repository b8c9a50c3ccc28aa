#include "framework/platform_cxx_exception.h"

#include "framework/win32_imports.h"

#include <cstddef>

namespace {

// The type description of the compiler's exception format, 32-bit layout: every
// pointer is an absolute address.

// Identifies a type by its decorated name; handlers compare these names.
struct type_descriptor {
    const void* type_info_table;  // the compiler's own type_info; never read by handlers
    void* spare;
    char name[4];
};

// How to reach the thrown object as one type it may be caught as.
struct catchable_type {
    std::uint32_t properties;  // bit 0: a simple type, copied bitwise
    const type_descriptor* type;
    std::int32_t member_displacement;  // this-pointer adjustment: (mdisp, pdisp, vdisp)
    std::int32_t vbtable_displacement;
    std::int32_t vbase_displacement;
    std::int32_t size;
    const void* copy_constructor;
};

struct catchable_type_array {
    std::int32_t count;
    const catchable_type* types[1];
};

struct throw_info {
    std::uint32_t attributes;  // const/volatile qualification of the thrown object
    const void* destructor;    // thiscall destructor of the object, or null
    const void* forward_compatibility;
    const catchable_type_array* catchable_types;
};

static_assert(sizeof(void*) == 4, "32-bit layout");
static_assert(offsetof(type_descriptor, name) == 8);
static_assert(sizeof(catchable_type) == 28);
static_assert(sizeof(throw_info) == 16);

constexpr std::uint32_t simple_type = 1;
constexpr std::uint32_t exception_noncontinuable = 1;

// ".H" is the decorated name of int; no base adjustment (vbtable displacement -1).
const type_descriptor int_type{nullptr, nullptr, ".H"};
const catchable_type int_catchable{simple_type, &int_type, 0, -1, 0, sizeof(std::int32_t), nullptr};
const catchable_type_array int_catchables{1, {&int_catchable}};
const throw_info int_throw_info{0, nullptr, nullptr, &int_catchables};

bool is_magic_number(std::uintptr_t value) {
    for (const std::uint32_t magic : platform_cxx_magic_numbers) {
        if (value == magic) return true;
    }
    return false;
}

}  // namespace

void raise_platform_cxx_int(std::int32_t value) {
    // The object stays valid while the handlers run: they run on the stack below this
    // frame, and this frame is only unwound after the handler has copied the object.
    volatile std::int32_t object = value;
    const std::uintptr_t parameters[3] = {
        platform_cxx_magic_numbers[0],
        reinterpret_cast<std::uintptr_t>(&object),
        reinterpret_cast<std::uintptr_t>(&int_throw_info),
    };
    RaiseException(platform_cxx_exception_code, exception_noncontinuable, 3, parameters);
    __builtin_unreachable();
}

bool is_platform_cxx_exception(const platform_exception_record& record) noexcept {
    return record.code == platform_cxx_exception_code && record.parameter_count >= 3 &&
           is_magic_number(record.parameters[0]) && record.parameters[2] != 0;
}

bool accept_platform_cxx_exception(const platform_exception_record& record, void*) noexcept {
    return is_platform_cxx_exception(record);
}

void destroy_platform_cxx_object(const platform_exception_record& record) noexcept {
    if (!is_platform_cxx_exception(record)) return;
    const auto* info = reinterpret_cast<const throw_info*>(record.parameters[2]);
    void* object = reinterpret_cast<void*>(record.parameters[1]);
    if (info->destructor == nullptr || object == nullptr) return;
    using destructor = void(__attribute__((thiscall)) *)(void*);
    reinterpret_cast<destructor>(const_cast<void*>(info->destructor))(object);
}
