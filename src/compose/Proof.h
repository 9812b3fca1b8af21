#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "font/Glyph.h"

namespace ledfont::compose {

// The rows a word is read by, from the font's KA, a consonant of the common shape: the headline (its fullest
// row and the rows next to it that are nearly as full), and the last row of the letters' body. Above the
// headline stand the upper signs, below the body the lower ones. A sign moved by up to a third of KA's
// width still stands over the same letter.
struct ReadingRows {
    int headlineFirst = 0;
    int headlineLast = 0;
    int bodyLast = kGlyphRows - 1;
    int signShift = 2;

    bool operator==(const ReadingRows&) const = default;
};
ReadingRows readingRows(const Glyph& ka);

// What makes a word read other than its source draws it, in the order reports list them.
enum class Mismatch {
    MissingGlyph,     // a code point without a glyph, or an empty glyph
    HalantFallback,   // a conjunct drawn with the halant where the source has a conjunct form
    StackedConjunct,  // C्C्C (स्क्र): the sign joins two consonants at a time
    HeadlineGap,      // a dark column in the headline where the source's runs on
    LostSign,         // a sign of the source that the sign does not show as one: gone, or run into another
    MisplacedSign,    // a sign at another place than the source's, beyond a column's shift
    LettersDiffer,    // the letters' body differs from the source's beyond spacing
};
std::string_view mismatchName(Mismatch mismatch);

// Compares a composed word with the source's drawing of it, both column by column with bit r the LED in
// row r. Spacing and a shift of one column or row do not count: the columns are aligned first (an edit
// distance over the body's columns, where a column on one side only costs its ink), then the headline's
// dark columns and the signs above and below the body are held against the source's through that alignment.
// Returns the picture's mismatches, each once, in the order of the enum; none when they read alike.
std::vector<Mismatch> comparePictures(const std::vector<std::uint16_t>& sign,
                                      const std::vector<std::uint16_t>& source, const ReadingRows& rows);

}  // namespace ledfont::compose
