#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "font/FontTables.h"

namespace ledfont::editor {

// What "Go to Glyph" was given, as a glyph index of a font of `kind`, or why it names none. Taken are a
// decimal index ("21"), a hexadecimal one ("0x15"), a code as the code label shows it ("Code: 0915" in a
// Hindi font, "Code: 080" in a Jukta512 font, "Code: " optional), a code point of four digits in either
// kind ("Code: 0915"), one Devanagari character of U+0900..U+097F in UTF-8 (glyph i stands for U+0900 + i
// in both kinds) and, in a Jukta512 font, a conjunct typed as its letters ("क्ष"): the first glyph from
// 128 on whose pair `font` gives as those two letters.
std::variant<int, std::string> glyphTarget(std::string_view text, FontKind kind,
                                           const FontTables* font = nullptr);

}  // namespace ledfont::editor
