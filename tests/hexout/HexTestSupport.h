#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "font/FontTables.h"
#include "support/PatternTables.h"
#include "support/TestFiles.h"

namespace ledfont::test {

// One record of an Intel HEX text, read back without any of the writer's code.
struct ParsedRecord {
    int count = 0;
    int address = 0;
    int type = 0;
    std::vector<std::uint8_t> data;
};

// Reads Intel HEX text whose lines all end in CR LF, checking every line's shape and checksum; throws
// std::runtime_error naming the line of the first fault.
std::vector<ParsedRecord> parseHex(std::string_view text);

// `record` (a colon and the digits of count, address, type and data) with its checksum put after it.
std::string withChecksum(std::string_view record);

// The bytes of the data records by address; throws std::runtime_error when an address repeats.
std::map<int, std::uint8_t> memoryOf(const std::vector<ParsedRecord>& records);

// What the controller should hold after loading the HEX file of `tables`, by address, read from the
// tables through their own accessors.
std::map<int, std::uint8_t> expectedMemory(const FontTables& tables);

}  // namespace ledfont::test
