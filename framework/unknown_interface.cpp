#include "framework/unknown_interface.h"

hresult unknown_interface::QueryInterface(const interface_id*, void**) { return e_nointerface; }

std::uint32_t unknown_interface::AddRef() { return ++ref_count; }

std::uint32_t unknown_interface::Release() {
    const std::uint32_t count = --ref_count;
    if (count == 0) scalar_deleting_destructor(free_after_destroying);
    return count;
}

void* unknown_interface::scalar_deleting_destructor(std::uint32_t flags) {
    this->unknown_interface::~unknown_interface();
    if ((flags & free_after_destroying) != 0) ::operator delete(static_cast<void*>(this));
    return this;
}

bool unknown_interface::operation_4() { return true; }
