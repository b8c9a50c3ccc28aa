// Walks every heap of the process (the C runtime's among them) for a busy block that
// holds the address.
#include "tools/win_test_host/heap_probe.h"
#include "tools/win_test_host/win32_loader_api.h"

#include <vector>

bool heap_block_is_live(const void* block) {
    std::vector<void*> heaps(64);
    std::uint32_t count = GetProcessHeaps(static_cast<std::uint32_t>(heaps.size()), heaps.data());
    if (count > heaps.size()) {
        heaps.resize(count);
        count = GetProcessHeaps(count, heaps.data());
    }
    const auto* address = static_cast<const char*>(block);
    for (std::uint32_t h = 0; h < count && h < heaps.size(); ++h) {
        process_heap_entry entry{};
        while (HeapWalk(heaps[h], &entry)) {
            const auto* data = static_cast<const char*>(entry.data);
            if ((entry.flags & process_heap_entry_busy) != 0 && address >= data && address < data + entry.size) {
                return true;
            }
        }
    }
    return false;
}
