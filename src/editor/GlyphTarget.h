#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "font/FontTables.h"

namespace ledfont::editor {

// What "Go to Glyph" was given, as a glyph index of a font of `kind`, or why it names none. Taken are a
// decimal index ("21"), a hexadecimal one ("0x15"), a code as the code label shows it ("Code: 0915" in a
// Hindi font, "Code: 080" in a Jukta512 font, "Code: " optional) and one Devanagari character of
// U+0900..U+097F in UTF-8 (glyph i stands for U+0900 + i in both kinds).
std::variant<int, std::string> glyphTarget(std::string_view text, FontKind kind);

}  // namespace ledfont::editor
