#pragma once
// The few functions of the 32-bit Windows system libraries that the test host calls,
// declared from their documented signatures (stdcall, imported from KERNEL32).
#include <cstdint>

// One entry of a heap walk (32-bit layout).
struct process_heap_entry {
    void* data;
    std::uint32_t size;
    std::uint8_t overhead;
    std::uint8_t region_index;
    std::uint16_t flags;
    std::uint32_t block_or_region[4];
};
static_assert(sizeof(process_heap_entry) == 28);
inline constexpr std::uint16_t process_heap_entry_busy = 0x0004;

extern "C" {
__attribute__((dllimport, stdcall)) void* LoadLibraryA(const char* file_name);
__attribute__((dllimport, stdcall)) void* GetProcAddress(void* module, const char* name);
__attribute__((dllimport, stdcall)) int FreeLibrary(void* module);
__attribute__((dllimport, stdcall)) std::uint32_t GetLastError();
__attribute__((dllimport, stdcall)) std::uint32_t GetProcessHeaps(std::uint32_t count, void** heaps);
__attribute__((dllimport, stdcall)) int HeapWalk(void* heap, process_heap_entry* entry);
__attribute__((dllimport, stdcall)) void RaiseException(std::uint32_t code, std::uint32_t flags,
                                                        std::uint32_t argument_count,
                                                        const std::uintptr_t* arguments);
}
