#include "hexout/HexMemory.h"

#include <algorithm>
#include <cstdio>

namespace ledfont::hexout {

HexError::HexError(long line, const std::string& fault)
    : std::runtime_error(line > 0 ? "HEX line " + std::to_string(line) + ": " + fault : fault), line_(line) {}

std::size_t HexMemory::byteCount() const {
    std::size_t count = 0;
    for (const HexSegment& segment : segments) {
        count += segment.bytes.size();
    }
    return count;
}

std::optional<std::uint8_t> HexMemory::at(std::uint32_t address) const {
    auto after = std::upper_bound(segments.begin(), segments.end(), address,
                                  [](std::uint32_t a, const HexSegment& s) { return a < s.address; });
    if (after == segments.begin()) {
        return std::nullopt;
    }
    const HexSegment& segment = *std::prev(after);
    if (address >= segment.end()) {
        return std::nullopt;
    }
    return segment.bytes[address - segment.address];
}

void HexMemory::append(std::uint32_t address, const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) {
        return;
    }
    if (segments.empty() || address > segments.back().end()) {
        segments.push_back({address, {}});
    }
    segments.back().bytes.insert(segments.back().bytes.end(), bytes, bytes + size);
}

std::string hexAddress(std::uint64_t address) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%04llX", static_cast<unsigned long long>(address));
    return text;
}

std::string hexRange(std::uint64_t first, std::uint64_t last) {
    return first == last ? hexAddress(first) : hexAddress(first) + "-" + hexAddress(last);
}

}  // namespace ledfont::hexout
