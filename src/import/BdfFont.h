#pragma once

#include <array>
#include <filesystem>
#include <istream>
#include <optional>
#include <string_view>

#include "import/BlockSource.h"

namespace ledfont::import {

// A BDF 2.1 bitmap font. Each glyph is placed on the 16 rows by the font's ascent and its BBX: the baseline
// lies under row FONT_ASCENT - 1, so a bitmap row j of a glyph with BBX w h x y lands on row
// FONT_ASCENT - (y + h) + j. Without FONT_ASCENT and FONT_DESCENT the FONTBOUNDINGBOX gives them. A font
// taller than 16 rows is refused; ink of a glyph beyond its font's rows is left out (cut).
//
// The first fault throws SourceError with its line: no STARTFONT, a number that does not read, a glyph
// without ENCODING or BBX, a BITMAP whose rows differ from its BBX height or hold too few digits, a code
// point given twice, a CHARS count the glyphs do not match, no ENDFONT. Only the Devanagari block is kept.
class BdfSource : public BlockSource {
  public:
    // Reads the stream line by line, so the first fault stops it there.
    explicit BdfSource(std::istream& in);
    explicit BdfSource(std::string_view text);
    static BdfSource fromFile(const std::filesystem::path& path);
};

// Whether a text starts as a BDF font does, for telling one from other sources whatever its name; the first
// kBdfSniffBytes of a file are enough.
inline constexpr std::size_t kBdfSniffBytes = 10;
bool looksLikeBdf(std::string_view text);

}  // namespace ledfont::import
