#pragma once

#include <filesystem>
#include <istream>
#include <string_view>

#include "hexout/HexMemory.h"

namespace ledfont::hexout {

// The longest record line: a colon and the digits of 255 data bytes with count, address, type and checksum.
constexpr std::size_t kLongestHexLine = 1 + 2 * (255 + 5);

// Reads Intel HEX text strictly: data (00), end (01), extended segment (02) and extended linear (04)
// address records; start address records (03, 05) are checked and ignored. Any byte count 0..255, digits
// in either case, lines ended by CR LF or LF (the last line may have none, empty lines may follow the end
// record). Every checksum is checked. The first fault throws HexError naming its line: a bad digit, a short
// or too long line, a byte count the line does not hold or the record type does not take, a checksum,
// an unknown type, a record past 0xFFFFFFFF, data after the end record, no end record, or two records
// giving one address different bytes (the same byte twice is no fault).
//
// Under a segment base (02, or none given) a record's offset wraps within its 64 KiB, as the 8086 did;
// under a linear base (04) addresses run on.
HexMemory readHex(std::string_view text);
HexMemory readHex(std::istream& in);

// readHex on a file. A file that cannot be opened or read throws Error with the path; a fault in the text
// throws HexError. Memory stays bounded by what the file sets: a line is never held beyond its longest.
HexMemory readHexFile(const std::filesystem::path& path);

}  // namespace ledfont::hexout
