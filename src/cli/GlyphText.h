#pragma once

#include <string>
#include <string_view>

#include "font/FontTables.h"

namespace ledfont::cli {

// "Consonant", "Vowel", "Ikaar", or "kind N" for a kind nibble the editor has no option for.
std::string kindName(int kind);

// The header line of a glyph: index, code, width (a stored 0 shown as 16), kind, centre and, in a
// Jukta512 font, the conjunct pair as two hexadecimal digits each.
std::string glyphHeader(const FontTables& tables, FontKind kind, int glyph);

// The 16 rows of a glyph, '#' for a lit LED and '.' for a dark one, each row ended by '\n'. The columns
// beyond the width stand after a '|', since the display never shows them.
std::string glyphRows(const FontDataTable& font, int glyph);

// Header and rows.
std::string formatGlyph(const FontTables& tables, FontKind kind, int glyph);

}  // namespace ledfont::cli
