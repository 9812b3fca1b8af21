#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "font/FontTables.h"
#include "import/GlyphImport.h"
#include "import/GlyphSource.h"

namespace ledfont::import {

// A conjunct as a pair names it: its two consonants as glyph numbers (code point - U+0900).
using ConjunctPair = std::array<std::uint8_t, kPairBytes>;

// Which conjunct glyphs (128..511) of a Jukta512 font an import gives new conjuncts: none, the selected
// ones without a pair (00 00), or all selected ones, their pairs replaced.
enum class ConjunctSlots { None, Unpaired, All };

struct ConjunctReport {
    std::vector<int> fillable;  // the glyphs that could take a conjunct, ascending
    std::vector<int> filled;    // of those, the ones given a conjunct
    std::vector<int> cleared;   // with ConjunctSlots::All, the ones left over: now empty, without a pair
    std::vector<ConjunctPair> tooWide;  // skipped, in rank order: the source draws them wider than 16 columns
    std::vector<int> cut;               // filled, but ink beyond the 16 rows was left out
    std::size_t lacking = 0;            // passed over: the source lacks them or draws them without ink
};

// Gives the fillable glyphs, lowest first, the conjuncts of `ranked` (best first) that no other glyph of the
// font holds, each drawn as the source shapes the cluster (glyphFromImage with the source's KA as base) and
// given its pair. A conjunct the source lacks or draws without ink is passed over, as is one wider than 16
// columns, which is reported. A fillable glyph is one of glyphs 128..511 in the selection (with onlyEmpty,
// without a lit LED) and, for Unpaired, without a pair.
ConjunctReport fillConjuncts(FontTables& tables, const GlyphSource& source,
                             std::span<const ConjunctPair> ranked, const GlyphSelection& selection,
                             ConjunctSlots mode);

// What a whole import did: the glyphs as importGlyphs reports them, the filled conjuncts among the imported
// ones and the fillable ones out of the missing ones (one without a pair names nothing to ask the source
// for).
struct FontImportReport {
    ImportReport glyphs;
    ConjunctReport conjuncts;
};

// importGlyphs and, in a Jukta512 font, fillConjuncts: with ConjunctSlots::All the conjunct glyphs are
// drawn only from `ranked`, not first from the pairs they held.
FontImportReport importFont(FontTables& tables, FontKind kind, const GlyphSource& source,
                            const GlyphSelection& selection, std::span<const ConjunctPair> ranked,
                            ConjunctSlots mode);

}  // namespace ledfont::import
