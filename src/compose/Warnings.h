#pragma once

#include <vector>

#include "font/FontTables.h"

namespace ledfont::compose {

// What can be wrong with a glyph, in the order reports list them. The first three are values the editor's
// controls cannot show; the others make the sign draw something other than was meant.
enum class WarningKind {
    WidthAbove16,         // detail: the stored width
    KindAbove2,           // detail: the kind nibble
    PairByteAbove7F,      // a Jukta512 pair byte that names no glyph
    LitRightOfWidth,      // lit LEDs overhang the next glyph; detail: the lit extent
    CentreBeyondWidth,    // detail: the centre
    VowelWithoutCentre,   //
    PairNamesEmptyGlyph,  // detail: the empty glyph the pair names
    PairTaken,            // a lower conjunct glyph has the same pair, so this one is never drawn; detail: it
    EmptyGlyphUsed,       // the text uses a glyph with no lit LED; detail: how often
    // Found by composing consonants with signs (compositionWarnings); detail: in how many pairs.
    SignLeavesStrip,
    SignStandsOff,
    SignCollides,
};

struct GlyphWarning {
    WarningKind kind;
    int glyph;
    int detail = 0;

    bool operator==(const GlyphWarning&) const = default;
};

// Every warning about the glyphs of `kind` in `tables`, by kind of warning, then by glyph. `uses`, when not
// empty, counts how often the text uses each glyph; an empty glyph used is then a warning.
std::vector<GlyphWarning> glyphWarnings(const FontTables& tables, FontKind kind,
                                        const std::vector<int>& uses = {});

}  // namespace ledfont::compose
