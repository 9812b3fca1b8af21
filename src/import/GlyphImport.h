#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "font/FontTables.h"
#include "import/GlyphSource.h"

namespace ledfont::import {

// Which glyphs of the target an import may set: all (no ranges), or those in the inclusive ranges; with
// onlyEmpty, of those only the ones without a lit LED.
struct GlyphSelection {
    std::vector<std::pair<int, int>> ranges;
    bool onlyEmpty = false;

    bool operator==(const GlyphSelection&) const = default;
};

// What an import did, by glyph number in ascending order.
struct ImportReport {
    std::vector<int> imported;
    std::vector<int> missing;  // selected, but the source lacks them: left as they were
    std::vector<int> empty;    // selected, but the source's image lights nothing: left as they were
    std::vector<int> cut;      // imported, but ink beyond 16 columns or the 16 rows was left out
};

// The kind a glyph gets: U+093F Ikaar, a non-spacing mark (general category Mn) Vowel, anything else
// (conjuncts too) Consonant.
GlyphKind kindOfGlyph(int glyph);

// What the source's KA (U+0915), a consonant of the common shape, tells of how signs meet a consonant: the
// row of its headline (its fullest row, the upper one of a tie) and its middle column, in the columns of its
// image. Nothing for an image without ink.
struct BaseShape {
    int headline = 0;
    int middle = 0;
    int headlineRows = 1;  // the headline's thickness: the rows from `headline` on nearly as full as it

    bool operator==(const BaseShape&) const = default;
};
std::optional<BaseShape> baseShapeOf(const GlyphImage& image);

// The glyph record an image gives glyph `glyph`: the ink moved left so that its first lit column is column
// 0, cut at 16 columns; width its lit extent (16 when nothing is lit), centre on the middle column (width -
// 1) div 2 (stored as that + 1, since the record counts centres from 1), the kind of kindOfGlyph, and `pair`.
// With the source's base shape, an Ikaar is as wide as it reaches on the headline row, from its first lit
// column to the end of the headline piece there, so that the consonant drawn after it continues the
// headline and its hook arcs over that consonant (without ink on that row, the rule above). A Vowel's image
// is then its ink placed on KA (markImage), and its centre marks where KA's middle column is: the glyph
// starts at its first lit column or there, whichever is further left, and reaches to its last lit column or
// there, so the composer, which puts a sign's centre on its consonant's, sets it on a consonant as the
// source sets it on KA (the rule above when that takes more than 16 columns).
Glyph glyphFromImage(const GlyphImage& image, int glyph, std::array<std::uint8_t, kPairBytes> pair,
                     const std::optional<BaseShape>& base = std::nullopt);

// Where the source attaches the signs that tell a consonant's centre, ु below and े above, on KA: the first
// column of each one's ink placed on KA (nothing where the source cannot place it), and KA's middle.
struct SignAnchors {
    int middle = 0;
    std::array<std::optional<int>, 2> onKa;
};
std::optional<SignAnchors> signAnchors(const GlyphSource& source, const BaseShape& base);

// Sets the centre of a consonant or conjunct glyph made from `image`, the source's ink of `text`, to the
// column where the source attaches its signs: where KA's middle is when the signs sit on it as on KA, moved
// by as much as they are moved on it (the mean of ु's and े's); unchanged where the source cannot say.
void placeCentre(Glyph& glyph, const GlyphSource& source, std::u32string_view text, const GlyphImage& image,
                 const SignAnchors& anchors);

// Centres each vowel sign (a non-spacing mark) where the source puts it on the consonants क..ह, taken from
// the consonants' centres, and sets it on the row it starts on there: the median over them, so that a sign
// whose anchor lies elsewhere on the letters than ु's and े's (़ under the bowl, say) still stands where it
// does on most of them.
void centreSignsOnConsonants(FontTables& tables, const GlyphSource& source);

// Moves ं and ँ, a column at a time right or left and at most 4, until drawn with े or ै on one consonant they
// neither share nor touch an LED of it, so the dot still reads as a dot; a dot that no move frees stays.
void keepDotsApart(FontTables& tables);

// Centres ा ी ॉ ॊ ो ौ, after which ं is drawn on them rather than on the consonant, where the source
// puts ं on them after क (where it cannot say, at the centre they have), moved aside as little as frees the
// dot from the sign's own LEDs.
void centreSignsForDots(FontTables& tables, const GlyphSource& source);

// A font of `kind` as an import starts it: every glyph the empty image, every pair (0, 0), JuktaMode set.
FontTables newFont(FontKind kind);

// Sets each selected glyph of the font of `kind` in `tables` that `source` has, keeping its conjunct pair.
// The text asked for is glyphText of the glyph and the pair the tables hold; the source's KA gives the base
// shape, and a vowel sign is asked for as the source places it on KA where the source can say. An image
// without a lit pixel (every code point of the block has ink, so it is one lost off the rows, or a blank the
// source holds) sets nothing and is reported empty.
ImportReport importGlyphs(FontTables& tables, FontKind kind, const GlyphSource& source,
                          const GlyphSelection& selection);

}  // namespace ledfont::import
