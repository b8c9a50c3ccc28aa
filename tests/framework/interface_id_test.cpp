#include "framework/interface_id.h"

#include <gtest/gtest.h>

namespace {

TEST(interface_id, importer_id_lies_in_memory_in_the_platforms_layout) {
    const interface_id expected = {0x61, 0x7D, 0xE4, 0x50, 0x22, 0x89, 0xD1, 0x11,
                                   0x9A, 0x00, 0x00, 0xC0, 0x4F, 0xCC, 0x9C, 0x26};
    EXPECT_EQ(importer_interface_id, expected);
}

TEST(interface_id, only_all_sixteen_bytes_match) {
    EXPECT_TRUE(is_importer_interface_id(importer_interface_id.data()));
    EXPECT_FALSE(is_importer_interface_id(iunknown_interface_id.data()));
    EXPECT_FALSE(is_importer_interface_id(nullptr));
    for (std::size_t i = 0; i < importer_interface_id.size(); ++i) {
        interface_id changed = importer_interface_id;
        changed[i] ^= 0x01;
        EXPECT_FALSE(is_importer_interface_id(changed.data())) << "byte " << i;
    }
}

}  // namespace
