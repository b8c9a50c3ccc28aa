// Natively the plug-in code is linked into the program, so replacing the global
// allocation functions shows which blocks are live. Link this file into a program only.
#include "tools/win_test_host/heap_probe.h"

#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

// The live blocks, unordered; enough for the test host's own allocations.
constexpr int capacity = 1 << 16;
// Addresses only: the blocks' contents are never looked at.
std::uintptr_t live[capacity];
int live_count = 0;
bool overflowed = false;

void note_allocated(std::uintptr_t p) {
    if (live_count < capacity) {
        live[live_count++] = p;
    } else {
        overflowed = true;
    }
}

void note_freed(std::uintptr_t p) {
    for (int i = live_count - 1; i >= 0; --i) {
        if (live[i] == p) {
            live[i] = live[--live_count];
            return;
        }
    }
}

void* allocate(std::size_t size) {
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        note_allocated(reinterpret_cast<std::uintptr_t>(p));
        return p;
    }
    return nullptr;
}

void release(void* p) noexcept {
    if (p == nullptr) return;
    note_freed(reinterpret_cast<std::uintptr_t>(p));
    std::free(p);
}

}  // namespace

bool heap_block_is_live(const void* block) {
    for (int i = 0; i < live_count; ++i) {
        if (live[i] == reinterpret_cast<std::uintptr_t>(block)) return true;
    }
    return overflowed;
}

void* operator new(std::size_t size) {
    void* p = allocate(size);
    if (p == nullptr) throw std::bad_alloc();
    return p;
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }
