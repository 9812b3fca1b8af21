#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "compose/Compose.h"
#include "compose/Warnings.h"

namespace ledfont::compose {

// What can go wrong where a sign meets its consonant on the sign, as the composer draws the two.
enum class CompositionProblem : std::uint8_t {
    LeavesStrip,  // ink cut left of the strip at a word's start, or drawn past the consonant's 16 columns
    StandsOff,    // a sign that should meet its consonant does not, or a dot or upper sign not over it
    Collides,  // a dot on or touching the consonant or the upper sign, a lower sign on the consonant's LEDs
};

struct CompositionFinding {
    CompositionProblem problem;
    std::u32string text;  // the cluster as composed: the consonant's code points, then the signs
    int base;             // the consonant or conjunct glyph
    int sign;             // the sign at fault
    int other = -1;       // the upper sign a dot collides with; -1 when the dot meets the consonant itself

    bool operator==(const CompositionFinding&) const = default;
};

// Composes every consonant (U+0915..0939, U+0958..095F) and, in a Jukta512 font, every conjunct glyph that
// its pair's cluster draws, with each vowel sign Hindi writes (ा ि ी ु ू ृ े ै ो ौ ॉ ं ँ ः, and ़ on
// क ख ग ज ड ढ फ य), and ं and ँ after each upper sign (े ै ो ौ ि ी ॉ), and lists what the sign shows wrong.
// Pairs with an empty glyph are left out: the glyph warnings name those. By problem, then by sign, then by
// consonant.
std::vector<CompositionFinding> compositionFindings(const ComposeFont& font);

// The glyphs each sort of finding involves, as glyph warnings (detail: in how many pairs), for the sheet.
std::vector<GlyphWarning> compositionWarnings(const std::vector<CompositionFinding>& findings);

}  // namespace ledfont::compose
