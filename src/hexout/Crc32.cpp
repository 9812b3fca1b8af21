#include "hexout/Crc32.h"

#include <array>

namespace ledfont::hexout {

namespace {

// Table k gives the CRC of a byte followed by k zero bytes, so that eight bytes are folded in at a time
// ("slicing by 8"): the whole image is checked in a few microseconds instead of tens.
using CrcTables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr CrcTables makeCrcTables() {
    CrcTables tables{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        tables[0][n] = c;
    }
    for (std::size_t k = 1; k < tables.size(); ++k) {
        for (std::size_t n = 0; n < 256; ++n) {
            const std::uint32_t previous = tables[k - 1][n];
            tables[k][n] = tables[0][previous & 0xFFu] ^ (previous >> 8);
        }
    }
    return tables;
}

constexpr CrcTables kCrc = makeCrcTables();

}  // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    const std::uint8_t* at = bytes.data();
    std::size_t left = bytes.size();
    for (; left >= 8; left -= 8, at += 8) {
        const std::uint32_t low = crc ^ (std::uint32_t{at[0]} | std::uint32_t{at[1]} << 8 |
                                         std::uint32_t{at[2]} << 16 | std::uint32_t{at[3]} << 24);
        crc = kCrc[7][low & 0xFFu] ^ kCrc[6][(low >> 8) & 0xFFu] ^ kCrc[5][(low >> 16) & 0xFFu] ^
              kCrc[4][low >> 24] ^ kCrc[3][at[4]] ^ kCrc[2][at[5]] ^ kCrc[1][at[6]] ^ kCrc[0][at[7]];
    }
    for (; left > 0; --left, ++at) {
        crc = kCrc[0][(crc ^ *at) & 0xFFu] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

}  // namespace ledfont::hexout
