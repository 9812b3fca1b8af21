#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "font/FontDocument.h"
#include "font/FontTables.h"

namespace ledfont::editor {

// Showing that glyph sets the window caption to its width.
constexpr int kCaptionGlyph = 296;
constexpr int kMaxWidth = 16;
// The conjunct lists offer 00..7F.
constexpr int kConjunctEntries = 128;

// What the controls show for one glyph record.
struct GlyphView {
    int width = kMaxWidth;    // 1..16: a stored 0, or anything the width list cannot show, reads as 16
    int colsIndex = 15;       // entry of the width list: width - 1
    int centreIndex = -1;     // entry of the centre list: centre - 1, -1 for no centre
    std::optional<int> kind;  // 0..2; other kinds set no option and leave the one that is set
    bool operator==(const GlyphView&) const = default;
};
GlyphView glyphView(const FontDataTable& font, int glyph);

// A conjunct byte as its text box shows it: always two upper-case hexadecimal digits.
std::string conjunctText(std::uint8_t value);
// The entry of a conjunct list for a byte, or -1 for a byte the list does not offer; its text box
// then still shows the byte, so storing it unchanged gives it back.
int conjunctListIndex(std::uint8_t value);
// The byte a conjunct text box holds; throws TypeMismatch or Overflow for anything but hex digits.
std::uint8_t conjunctFromText(std::string_view text);

// What the editing controls hold when a glyph is stored.
struct GlyphControls {
    int colsIndex = -1;
    int centreIndex = -1;
    int kind = 0;
    std::array<std::string, kPairBytes> conjunctTexts;
};
// Kind from the option buttons: Ikaar wins over Vowel, and neither means Consonant.
int kindFromOptions(bool ikaar, bool vowel);

// One glyph's record and conjunct pair, assembled completely before anything is written.
struct GlyphRecord {
    std::array<std::uint8_t, kRecordBytes> bytes{};
    std::optional<std::array<std::uint8_t, kPairBytes>> pair;  // only in a Jukta512 font
    bool operator==(const GlyphRecord&) const = default;
};
GlyphRecord buildRecord(const GlyphControls& controls, const CharMapArray& charMap, bool juktaMode);
// Writes the record into glyph `glyph` of the document; the row is checked first, so a bad index writes
// nothing.
void storeRecord(FontDocument& document, int glyph, const GlyphRecord& record);

// Stepping without wrap-around: 0..127 in a Hindi font, 0..511 in a Jukta512 font.
int nextGlyph(int current, bool juktaMode);
int previousGlyph(int current);

}  // namespace ledfont::editor
