#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "font/FontTables.h"

namespace ledfont::hexout::test {

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

// The bytes of the data records by address; throws std::runtime_error when an address repeats.
std::map<int, std::uint8_t> memoryOf(const std::vector<ParsedRecord>& records);

// What the controller should hold after loading the HEX file of `tables`, by address, read from the
// tables through their own accessors.
std::map<int, std::uint8_t> expectedMemory(const FontTables& tables);

// The same as one block from the lowest address (0x9000 or 0xA100) to the last byte.
std::vector<std::uint8_t> expectedImage(const FontTables& tables);

// Tables with every byte of FontData and JuktaData random, also the rows and bytes no file carries.
FontTables randomTables(std::uint32_t seed, bool juktaMode);

// Tables whose glyph byte b of glyph g is (34 g + b) * 7 mod 256 and whose pair byte k of glyph g is
// (2 g + k) * 5 + 3 mod 256: every byte differs from its neighbours, so a shifted byte shows.
FontTables patternTables(bool juktaMode);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, std::string_view text);

// A fresh empty folder under the test temp folder, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The names in the folder, sorted.
    std::vector<std::string> names() const;

  private:
    std::filesystem::path path_;
};

}  // namespace ledfont::hexout::test
