#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "font/FontTables.h"

namespace ledfont::compose {

constexpr char32_t kFirstCode = 0x0900;  // glyph i stands for U+0900 + i, i < 128, in both kinds
constexpr int kCodeGlyphs = 128;
constexpr char32_t kVirama = 0x094D;
constexpr char32_t kSpace = 0x0020;
constexpr int kSpaceColumns = 3;
constexpr int kFirstConjunct = 128;  // Jukta512 glyphs from here on stand for the pair they hold

// The glyph a code point stands for, or -1 for one the font has no glyph for.
inline int glyphOfCode(char32_t code) {
    return code >= kFirstCode && code < kFirstCode + kCodeGlyphs ? static_cast<int>(code - kFirstCode) : -1;
}

// The column a glyph's centre marks, counted from 0: the editor's centre list counts columns from 1 and puts
// its marker over column centre - 1, so "no centre" (0) marks the column just left of the glyph.
inline int centreColumn(const Glyph& glyph) {
    return static_cast<int>(glyph.centre) - 1;
}

// Whether a Jukta512 glyph stands for a conjunct: one of glyphs 128..511 with a pair other than 00 00,
// which is what an unused glyph holds.
inline bool isConjunctGlyph(const Glyph& glyph, int index) {
    return index >= kFirstConjunct && (glyph.pair[0] != 0 || glyph.pair[1] != 0);
}

// A font as the composer reads it: every glyph decoded once, and the conjunct each pair of code points
// turns into.
class ComposeFont {
  public:
    ComposeFont(const FontTables& tables, FontKind kind);

    FontKind kind() const { return kind_; }
    int glyphCount() const { return static_cast<int>(glyphs_.size()); }
    const Glyph& glyph(int index) const { return glyphs_[static_cast<std::size_t>(index)]; }
    // Columns from 0 to the last lit one; 0 for an empty glyph.
    int litExtent(int index) const { return extents_[static_cast<std::size_t>(index)]; }
    // The lowest-numbered conjunct glyph whose pair is (first, second), glyphs 0..127; -1 for none.
    int conjunct(int first, int second) const {
        return conjuncts_[static_cast<std::size_t>(first * kCodeGlyphs + second)];
    }

  private:
    FontKind kind_;
    std::vector<Glyph> glyphs_;
    std::vector<int> extents_;
    std::vector<std::int16_t> conjuncts_;
};

// A glyph drawn on the strip: which one, its column 0 on the strip (may lie left of the strip) and the
// place in the text of the code point it came from (the first of a conjunct's three).
struct Placement {
    int glyph = 0;
    int column = 0;
    std::size_t at = 0;

    bool operator==(const Placement&) const = default;
};

// The composed text: the LED columns as a glyph's columns are (bit r is row r), left to right.
struct Strip {
    std::vector<std::uint16_t> columns;
    std::vector<Placement> placements;
    std::vector<std::size_t> missing;  // places of the code points without a glyph
    std::vector<std::size_t>
        fallbacks;  // places of the viramas drawn by their own glyph for want of a conjunct

    int width() const { return static_cast<int>(columns.size()); }
    bool lit(int column, int row) const {
        return (columns[static_cast<std::size_t>(column)] >> row & 1u) != 0;
    }
};

// Places the glyphs of `text` as the sign does:
// - U+0900 + i is glyph i; U+0020 moves the pen 3 columns on and ends the cluster; anything else draws
// nothing
//   and is listed as missing.
// - In a Jukta512 font X U+094D Y, left to right, becomes the conjunct glyph of the pair (X, Y); without one
//   the three stay and the virama is a fallback.
// - A Consonant (and kinds 3..15), or a Vowel or Ikaar with no base yet, is drawn at the pen, moves it on by
//   its width and becomes the base; it starts a new cluster unless an unreplaced virama came just before.
//   A Vowel puts its centre column on the base's and leaves the pen. An Ikaar is drawn where the base's
//   cluster began and moves that cluster and the pen right by its width.
// Every lit LED is drawn, lit winning over dark; columns left of 0 are cut. The strip is as wide as the pen
// or its last lit column, whichever reaches further.
Strip composeText(const ComposeFont& font, std::u32string_view text);

// The first placement of each glyph the strip draws that has no lit LED, left to right: what shows only as a
// gap on the sign.
std::vector<Placement> emptyGlyphsPlaced(const ComposeFont& font, const Strip& strip);

// The strip as 16 lines of '#' (lit) and '.' (dark), each ended by '\n'.
std::string stripRows(const Strip& strip);

}  // namespace ledfont::compose
