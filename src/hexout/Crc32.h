#pragma once

#include <cstdint>
#include <span>

namespace ledfont::hexout {

// The CRC-32 of IEEE 802.3, as zlib's crc32 and most firmware libraries compute it: reflected polynomial
// 0xEDB88320, initial value and final XOR 0xFFFFFFFF. "123456789" gives 0xCBF43926.
std::uint32_t crc32(std::span<const std::uint8_t> bytes);

}  // namespace ledfont::hexout
