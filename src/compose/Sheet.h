#pragma once

#include <vector>

#include "compose/Picture.h"
#include "compose/Warnings.h"
#include "font/FontTables.h"

namespace ledfont::compose {

// The short tag a warning has on the sheet, and what the sheet's legend says it means.
std::string_view warningTag(WarningKind kind);
std::string_view warningLegend(WarningKind kind);

// Every glyph of the font as LEDs, 16 to a row, each with its number and code, kind, width, centre,
// (Jukta512) pair and the tags of its warnings: the green line stands after the width, the cyan line
// through the centre column, LEDs beyond the width are drawn dim, and a glyph with a warning is framed in
// red. A legend of the tags heads the sheet.
Image drawSheet(const FontTables& tables, FontKind kind, const std::vector<GlyphWarning>& warnings);

// The glyph whose cell holds pixel (x, y) of the sheet of a font of `kind`, or -1 for none.
int sheetGlyphAt(FontKind kind, int x, int y);

}  // namespace ledfont::compose
