#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ledfont::hexout {

// A HEX text or image the program cannot use. what() is the line users see: "HEX line 7: checksum 4E,
// expected 4F" for a fault on a line, the bare text when no line is to blame (line() is 0).
class HexError : public std::runtime_error {
  public:
    HexError(long line, const std::string& fault);

    long line() const { return line_; }

  private:
    long line_;
};

// Bytes at consecutive addresses.
struct HexSegment {
    std::uint32_t address = 0;
    std::vector<std::uint8_t> bytes;

    // One past the last address; 64 bits, since a segment may end at 0xFFFFFFFF.
    std::uint64_t end() const { return address + static_cast<std::uint64_t>(bytes.size()); }
    bool operator==(const HexSegment&) const = default;
};

// The bytes a HEX file sets, by address, with the gaps: segments in ascending order that neither overlap
// nor touch, so that equal contents compare equal however the records were cut.
struct HexMemory {
    std::vector<HexSegment> segments;

    std::size_t byteCount() const;
    // The byte at `address`, or nothing in a gap.
    std::optional<std::uint8_t> at(std::uint32_t address) const;
    // Adds bytes after the last segment, joining it when they follow on directly. `address` must not lie
    // below the end of the last segment.
    void append(std::uint32_t address, const std::uint8_t* bytes, std::size_t size);

    bool operator==(const HexMemory&) const = default;
};

// An address as "0x" and at least four upper-case hexadecimal digits: "0x9000", "0x00010000".
std::string hexAddress(std::uint64_t address);

// "0x9000-0xA0FF", or the one address when first == last.
std::string hexRange(std::uint64_t first, std::uint64_t last);

}  // namespace ledfont::hexout
