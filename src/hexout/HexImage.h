#pragma once

#include "font/FontTables.h"

namespace ledfont::hexout {

// Lays the glyph records 0..glyphCount(kind)-1 end to end in tables.HexImage (glyph g at byte 34 * g)
// and returns the number of image bytes.
int buildGlyphImage(FontTables& tables, FontKind kind);

// Lays the conjunct pairs of the 512 Jukta512 glyphs in tables.HexImage (glyph g at byte 2 * g) over the
// start of whatever it held and returns the number of image bytes.
int buildConjunctImage(FontTables& tables);

}  // namespace ledfont::hexout
