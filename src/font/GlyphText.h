#pragma once

#include <string>
#include <string_view>

#include "font/FontTables.h"
#include "font/Glyph.h"

namespace ledfont {

// "Consonant", "Vowel", "Ikaar", or "kind N" for a kind nibble the editor has no option for.
std::string kindName(int kind);

// The header line of a glyph: index, code, width (a stored 0 shown as 16), kind, centre and, in a
// Jukta512 font, the conjunct pair as two hexadecimal digits each.
std::string glyphHeader(const FontTables& tables, FontKind kind, int glyph);
std::string glyphHeader(const Glyph& value, FontKind kind, int glyph);

// The 16 rows of a glyph, '#' for a lit LED and '.' for a dark one, each row ended by '\n'. The columns
// beyond the width stand after a '|', since the display never shows them.
std::string glyphRows(const FontDataTable& font, int glyph);
std::string glyphRows(const Glyph& value);

// Header and rows.
std::string formatGlyph(const FontTables& tables, FontKind kind, int glyph);
// Glyph `value` shown as glyph number `glyph` of a font of `kind`.
std::string formatGlyph(const Glyph& value, FontKind kind, int glyph);

// A glyph read back from the text formatGlyph writes (a terminal's copy of `ledfont show`, say): the header's
// width, kind, centre and pair, and the 16 rows. Line ends may be LF or CR LF, and blank lines or blanks
// around the text do not count.
struct GlyphReading {
    Glyph glyph;
    bool hasPair = false;  // the header named a conjunct pair
};
// Throws Error (TypeMismatch) saying what is wrong: "no glyph header", "row 3 is not 16 LEDs", ...
GlyphReading parseGlyphText(std::string_view text);

}  // namespace ledfont
