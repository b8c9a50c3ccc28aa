// Reference counting and destruction, watched through a replaced global allocator:
// the Release that reaches 0 must give back exactly the block the component came from.
#include "framework/importer_interface.h"
#include "tests/framework/test_component.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

// The blocks currently allocated through operator new, most recent last.
struct live_blocks {
    static constexpr int capacity = 4096;
    void* blocks[capacity] = {};
    int count = 0;

    void add(void* p) {
        if (count < capacity) blocks[count++] = p;
    }
    void remove(void* p) {
        for (int i = 0; i < count; ++i) {
            if (blocks[i] == p) {
                blocks[i] = blocks[--count];
                return;
            }
        }
    }
    bool contains(const void* p) const {
        for (int i = 0; i < count; ++i) {
            if (blocks[i] == p) return true;
        }
        return false;
    }
};

live_blocks tracked;
bool tracking = false;

// A component whose destructor can be counted.
struct counted_component final : importer_interface {
    static inline int destructions = 0;
    ~counted_component() { ++destructions; }

    void* TERRAIN_THISCALL scalar_deleting_destructor(std::uint32_t flags) override {
        return destroy_and_free(this, flags);
    }
    std::int32_t TERRAIN_THISCALL get_sdk_version() override { return 0; }
    const char* TERRAIN_THISCALL get_file_extension(std::uint32_t, std::uint32_t) override { return ""; }
    void TERRAIN_THISCALL do_import(scene_builder_interface*, std::uint32_t, source_stream_interface*,
                                    std::uint32_t) override {}
};

class component_lifetime : public testing::Test {
protected:
    void SetUp() override {
        counted_component::destructions = 0;
        tracked = {};
        tracking = true;
    }
    void TearDown() override { tracking = false; }
};

TEST_F(component_lifetime, counts_from_zero_and_the_last_release_destroys_and_frees_once) {
    auto* component = new counted_component();
    ASSERT_TRUE(tracked.contains(component));
    EXPECT_EQ(component->ref_count, 0u);
    EXPECT_EQ(component->AddRef(), 1u);
    EXPECT_EQ(component->AddRef(), 2u);
    EXPECT_EQ(component->Release(), 1u);
    EXPECT_EQ(counted_component::destructions, 0);
    EXPECT_TRUE(tracked.contains(component));

    EXPECT_EQ(component->Release(), 0u);
    EXPECT_EQ(counted_component::destructions, 1);
    EXPECT_FALSE(tracked.contains(component));
}

TEST_F(component_lifetime, position_3_destroys_and_frees_only_when_bit_0_is_set) {
    struct case_ {
        std::uint32_t flags;
        bool frees;
    };
    for (const case_ c : {case_{0, false}, case_{1, true}, case_{2, false}, case_{3, true}}) {
        SCOPED_TRACE("flags " + std::to_string(c.flags));
        counted_component::destructions = 0;
        auto* component = new counted_component();
        unknown_interface* base = component;
        EXPECT_EQ(base->scalar_deleting_destructor(c.flags), static_cast<void*>(component));
        EXPECT_EQ(counted_component::destructions, 1);
        EXPECT_EQ(tracked.contains(component), !c.frees);
        if (!c.frees) ::operator delete(static_cast<void*>(component));
    }
}

TEST_F(component_lifetime, the_importer_component_is_freed_by_its_last_release) {
    auto* component = new test_component();
    component->AddRef();
    EXPECT_TRUE(tracked.contains(component));
    EXPECT_EQ(component->Release(), 0u);
    EXPECT_FALSE(tracked.contains(component));
}

TEST_F(component_lifetime, two_components_live_apart) {
    auto* first = new test_component();
    auto* second = new test_component();
    first->AddRef();
    second->AddRef();
    EXPECT_EQ(first->Release(), 0u);
    EXPECT_FALSE(tracked.contains(first));
    EXPECT_TRUE(tracked.contains(second));
    EXPECT_EQ(second->AddRef(), 2u);
    second->Release();
    second->Release();
    EXPECT_FALSE(tracked.contains(second));
}

}  // namespace

void* operator new(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) throw std::bad_alloc();
    if (tracking) tracked.add(p);
    return p;
}

namespace {
void release_block(void* p) noexcept {
    if (tracking) tracked.remove(p);
    std::free(p);
}
}  // namespace

void operator delete(void* p) noexcept { release_block(p); }
void operator delete(void* p, std::size_t) noexcept { release_block(p); }
