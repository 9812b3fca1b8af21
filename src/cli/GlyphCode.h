#pragma once

#include <string>

#include "font/FontTables.h"

namespace ledfont::cli {

// The glyph code as the editor's code label shows it: "Code: 0900".."Code: 097F" (the Unicode code point)
// for a Hindi glyph, "Code: 000".."Code: 1FF" (the index) for a Jukta512 glyph.
std::string glyphCodeText(FontKind kind, int glyph);

}  // namespace ledfont::cli
