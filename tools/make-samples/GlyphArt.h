#pragma once

#include <istream>

#include "font/FontTables.h"

namespace ledfont::samples {

// Reads glyph drawings (see glyphs.txt) into the tables: every glyph row 0..511 first gets width 8 and all
// LEDs dark, then each drawn glyph its record and conjunct pair. Throws Error with the line on bad input.
void readGlyphArt(std::istream& in, FontTables& tables);

}  // namespace ledfont::samples
