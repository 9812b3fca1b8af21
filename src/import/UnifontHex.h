#pragma once

#include <array>
#include <filesystem>
#include <istream>
#include <optional>
#include <string_view>

#include "import/BlockSource.h"

namespace ledfont::import {

// A GNU Unifont .hex file: lines "CODEPOINT:DIGITS", the code point in 1 to 6 hexadecimal digits, the
// bitmap in 32 digits (8 columns) or 64 (16 columns) of 16 rows, each row's leftmost pixel its highest bit.
// Every line is checked, a fault throws SourceError with its line: a line without a colon, a bad digit, a
// code point past U+10FFFF or given twice, a bitmap of another length. Empty lines are skipped. Only the
// Devanagari block is kept, the one thing a glyph asks for.
class UnifontHexSource : public BlockSource {
  public:
    // Reads the stream line by line, so a bad line stops it there (see TextLines for the longest line).
    explicit UnifontHexSource(std::istream& in);
    explicit UnifontHexSource(std::string_view text);
    // The file's errors carry its path.
    static UnifontHexSource fromFile(const std::filesystem::path& path);
};

}  // namespace ledfont::import
