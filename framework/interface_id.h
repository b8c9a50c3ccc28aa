#pragma once
#include <array>
#include <cstdint>

// A 16-byte interface ID as it lies in memory on the host's platform: a 32-bit field
// and two 16-bit fields, each little-endian, then eight single bytes. IDs are compared
// byte for byte, so they are kept as their bytes.
using interface_id = std::array<std::uint8_t, 16>;

// The bytes of the ID written {data1-data2-data3-data4[0..1]-data4[2..7]}.
constexpr interface_id make_interface_id(std::uint32_t data1, std::uint16_t data2, std::uint16_t data3,
                                         const std::array<std::uint8_t, 8>& data4) {
    interface_id id{};
    for (int i = 0; i < 4; ++i) id[i] = static_cast<std::uint8_t>(data1 >> (8 * i));
    for (int i = 0; i < 2; ++i) id[4 + i] = static_cast<std::uint8_t>(data2 >> (8 * i));
    for (int i = 0; i < 2; ++i) id[6 + i] = static_cast<std::uint8_t>(data3 >> (8 * i));
    for (int i = 0; i < 8; ++i) id[8 + i] = data4[i];
    return id;
}

// {50E47D61-8922-11D1-9A00-00C04FCC9C26}: the one interface every deliverable provides.
inline constexpr interface_id importer_interface_id =
    make_interface_id(0x50E47D61, 0x8922, 0x11D1, {0x9A, 0x00, 0x00, 0xC0, 0x4F, 0xCC, 0x9C, 0x26});

// {00000000-0000-0000-C000-000000000046}: the root interface every component has.
inline constexpr interface_id iunknown_interface_id =
    make_interface_id(0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46});

// True when the 16 bytes at `id` are those of importer_interface_id. A null pointer
// matches nothing.
bool is_importer_interface_id(const void* id) noexcept;
