#pragma once
#include "framework/calling_convention.h"
#include "framework/iunknown.h"

#include <cstdint>
#include <new>

// The reference-counted base of every component: positions 0 to 4.
//
// Binary contract: the host's compiler lays out a virtual destructor as ONE table entry,
// a "scalar deleting destructor" taking a 32-bit flags argument (bit 0 set: free the
// memory after destroying) and returning the object's address. MinGW's C++ ABI would
// give a virtual destructor two entries and shift every later position, so no class of
// the chain declares one: position 3 is the ordinary virtual operation
// scalar_deleting_destructor, which each concrete class overrides with
// destroy_and_free (below), and Release calls it with 1.
struct unknown_interface : IUnknown {
    // References held; 0 after construction. Changed without atomic operations: one
    // object's count must not be changed from two threads at once.
    std::uint32_t ref_count = 0;

    // Answers e_nointerface to every ID, IUnknown's included; *object is left as it was.
    hresult TERRAIN_STDCALL QueryInterface(const interface_id* id, void** object) override;
    std::uint32_t TERRAIN_STDCALL AddRef() override;
    // The Release that brings the count to 0 destroys and frees the object through
    // position 3 and returns 0 without touching it again.
    std::uint32_t TERRAIN_STDCALL Release() override;

    // Position 3.
    virtual void* TERRAIN_THISCALL scalar_deleting_destructor(std::uint32_t flags);
    // Position 4: returns true.
    virtual bool TERRAIN_THISCALL operation_4();

    unknown_interface() = default;
    unknown_interface(const unknown_interface&) = delete;
    unknown_interface& operator=(const unknown_interface&) = delete;

protected:
    // Objects of the chain are destroyed through position 3 only.
    ~unknown_interface() = default;
};

// Bit 0 of the flags of scalar_deleting_destructor.
inline constexpr std::uint32_t free_after_destroying = 1;

// What position 3 does for an object whose most derived class is T, allocated alone
// with `new T`: runs T's destructor (and so those of all its bases) and, when asked,
// gives the memory back to the allocator it came from. A class that overrides position
// 3 with it must let it reach its destructor (public, or this function a friend).
template <class T>
void* destroy_and_free(T* object, std::uint32_t flags) noexcept {
    object->~T();
    if ((flags & free_after_destroying) != 0) ::operator delete(static_cast<void*>(object));
    return object;
}
