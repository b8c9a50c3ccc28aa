// The exception record of the platform compiler's C++ exceptions, decoded from its
// documented layout: code 0xE06D7363; parameters magic number, address of the thrown
// object, address of the throw information (attributes, destructor, forward
// compatibility, catchable type array); each catchable type (properties, type
// descriptor, this-displacement of three words, size, copy constructor); a type
// descriptor (type_info table, spare word, decorated name).
#include "framework/structured_exception_guard.h"
#include "tools/win_test_host/call_ending.h"

#include <cstdio>
#include <cstring>

namespace {

std::string hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

std::string decode(const platform_exception_record& record) {
    if (record.code != 0xE06D7363) return "structured exception " + hex(record.code);
    if (record.parameter_count < 3) return "C++ exception without parameters";
    const std::uint32_t magic = record.parameters[0];
    if (magic != 0x19930520 && magic != 0x19930521 && magic != 0x19930522) {
        return "C++ exception with magic number " + hex(magic);
    }
    const auto* object = reinterpret_cast<const std::uint8_t*>(record.parameters[1]);
    const auto* throw_info = reinterpret_cast<const std::uint32_t*>(record.parameters[2]);
    if (throw_info == nullptr) return "C++ rethrow without object";
    const auto* catchables = reinterpret_cast<const std::uint32_t*>(throw_info[3]);
    if (catchables == nullptr || catchables[0] == 0) return "C++ exception without catchable type";
    const auto* catchable = reinterpret_cast<const std::uint32_t*>(catchables[1]);
    const std::uint32_t properties = catchable[0];
    const auto* descriptor = reinterpret_cast<const char*>(catchable[1]);
    const std::int32_t size = static_cast<std::int32_t>(catchable[5]);
    const char* name = descriptor + 8;
    if (std::strcmp(name, ".H") == 0 && (properties & 1) != 0 && size == 4 && object != nullptr) {
        std::int32_t value;
        std::memcpy(&value, object, sizeof value);
        return "int " + std::to_string(value);
    }
    return std::string("C++ exception of type ") + name;
}

bool decode_and_handle(const platform_exception_record& record, void* context) {
    static_cast<call_ending*>(context)->exception = decode(record);
    return true;
}

}  // namespace

call_ending observe_call(void (*body)(void*), void* context) {
    call_ending ending;
    ending.raised = !run_guarded(body, context, decode_and_handle, &ending);
    return ending;
}
