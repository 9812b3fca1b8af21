#pragma once

#include <string>

#include "font/FontTables.h"

namespace ledfont {

// The glyph code shown for a glyph: "Code: 0900".."Code: 097F" in a Hindi font (the Unicode code point),
// "Code: 000".."Code: 1FF" in a Jukta512 font (the index). A glyph outside the kind is out of range.
std::string glyphCode(FontKind kind, int glyph);

}  // namespace ledfont
