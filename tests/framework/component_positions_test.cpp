// Every position of the component's virtual table, called by address with its
// argument count the way the host calls it, against the host's expectations.
#include "tests/framework/test_component.h"
#include "tools/win_test_host/component_positions.h"
#include "tools/win_test_host/raw_call.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr auto positions = expected_positions();

// Arguments a default must ignore; the first is a text buffer, whose bytes show whether
// the operation wrote into it.
struct argument_set {
    char buffer[8] = "abcdefg";
    std::vector<std::uintptr_t> words;

    explicit argument_set(int count) {
        for (int i = 0; i < count; ++i) words.push_back(0xA5A5A500u + static_cast<unsigned>(i));
        if (count > 0) words[0] = reinterpret_cast<std::uintptr_t>(buffer);
    }
    bool buffer_untouched() const { return std::memcmp(buffer, "abcdefg", 8) == 0; }
    bool buffer_cleared() const { return buffer[0] == '\0' && std::memcmp(buffer + 1, "bcdefg", 7) == 0; }
};

class component_positions : public testing::Test {
protected:
    void SetUp() override { component->AddRef(); }
    void TearDown() override { component->Release(); }

    raw_call_result call(int position, const argument_set& arguments) {
        return call_thiscall(table_entry(component, position), component, arguments.words);
    }

    test_component* component = new test_component();
};

std::uint8_t low_byte(std::uintptr_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

TEST_F(component_positions, every_default_answers_as_the_host_expects) {
    int checked = 0;
    for (int position = 0; position < component_position_count; ++position) {
        const expected_position expected = positions[position];
        SCOPED_TRACE("position " + std::to_string(position));
        argument_set arguments(expected.arguments);
        bool result_expected = true;
        switch (expected.behaviour) {
            case expected_behaviour::returns_zero:
                EXPECT_EQ(call(position, arguments).value & 0xFFFFFFFF, 0u);
                break;
            case expected_behaviour::returns_one:
                EXPECT_EQ(call(position, arguments).value & 0xFFFFFFFF, 1u);
                break;
            case expected_behaviour::returns_spaces:
                EXPECT_EQ(call(position, arguments).value & 0xFFFFFFFF, 0x20202020u);
                break;
            case expected_behaviour::returns_true:
                EXPECT_EQ(low_byte(call(position, arguments).value), 1);
                break;
            case expected_behaviour::returns_false:
                EXPECT_EQ(low_byte(call(position, arguments).value), 0);
                break;
            case expected_behaviour::does_nothing:
                call(position, arguments);
                break;
            case expected_behaviour::clears_text:
                call(position, arguments);
                EXPECT_TRUE(arguments.buffer_cleared()) << "buffer now \"" << arguments.buffer << '"';
                result_expected = false;
                break;
            case expected_behaviour::reserved:
                try {
                    call(position, arguments);
                    ADD_FAILURE() << "returned normally";
                } catch (int value) {
                    EXPECT_EQ(value, 0);
                }
                break;
            default:
                continue;  // named operations: tested on their own below
        }
        if (result_expected && expected.arguments > 0) {
            EXPECT_TRUE(arguments.buffer_untouched()) << "buffer now \"" << arguments.buffer << '"';
        }
        ++checked;
    }
    EXPECT_EQ(checked, component_position_count - 8);
    EXPECT_EQ(component->ref_count, 1u) << "a default changed the reference count";
}

TEST_F(component_positions, named_operations_answer_the_deliverables_constants) {
    const std::uintptr_t ignored[] = {0xA5A5A5A5, 0x5A5A5A5A};
    EXPECT_EQ(call_thiscall(table_entry(component, 5), component, {ignored, 1}).value & 0xFFFFFFFF, 0x5180ABCDu);
    EXPECT_EQ(call_thiscall(table_entry(component, 36), component, {}).value & 0xFFFFFFFF, 380394u);

    const auto extension = call_thiscall(table_entry(component, 209), component, ignored).value;
    EXPECT_EQ(extension, reinterpret_cast<std::uintptr_t>(test_extension));
    EXPECT_EQ(call_thiscall(table_entry(component, 209), component, ignored).value, extension);
    EXPECT_STREQ(reinterpret_cast<const char*>(extension), "mem");
}

TEST_F(component_positions, query_interface_hands_out_nothing) {
    const interface_id foreign = make_interface_id(0x12345678, 0x9ABC, 0xDEF0, {1, 2, 3, 4, 5, 6, 7, 8});
    const interface_id* ids[] = {&iunknown_interface_id, &importer_interface_id, &foreign, nullptr};
    for (const interface_id* id : ids) {
        void* out = reinterpret_cast<void*>(0x5EA1ED);
        const std::uintptr_t arguments[] = {reinterpret_cast<std::uintptr_t>(component),
                                            reinterpret_cast<std::uintptr_t>(id),
                                            reinterpret_cast<std::uintptr_t>(&out)};
        const auto result = call_stdcall(table_entry(component, 0), arguments);
        EXPECT_EQ(result.value & 0xFFFFFFFF, 0x80004002u);
        EXPECT_EQ(out, reinterpret_cast<void*>(0x5EA1ED));
    }
}

TEST_F(component_positions, add_ref_and_release_count_through_the_table) {
    const std::uintptr_t self[] = {reinterpret_cast<std::uintptr_t>(component)};
    EXPECT_EQ(call_stdcall(table_entry(component, 1), self).value & 0xFFFFFFFF, 2u);
    EXPECT_EQ(call_stdcall(table_entry(component, 1), self).value & 0xFFFFFFFF, 3u);
    EXPECT_EQ(call_stdcall(table_entry(component, 2), self).value & 0xFFFFFFFF, 2u);
    EXPECT_EQ(call_stdcall(table_entry(component, 2), self).value & 0xFFFFFFFF, 1u);
    EXPECT_EQ(component->ref_count, 1u);
}

TEST(component_layout, is_the_table_pointer_and_the_count) {
    static_assert(sizeof(test_component) == 2 * sizeof(void*));
    test_component component;
    EXPECT_EQ(component.ref_count, 0u);
    EXPECT_EQ(reinterpret_cast<char*>(&component.ref_count) - reinterpret_cast<char*>(&component),
              static_cast<std::ptrdiff_t>(sizeof(void*)));
    EXPECT_EQ(static_cast<void*>(static_cast<IUnknown*>(&component)), static_cast<void*>(&component));
    EXPECT_EQ(static_cast<void*>(static_cast<importer_interface*>(&component)), static_cast<void*>(&component));
}

}  // namespace
