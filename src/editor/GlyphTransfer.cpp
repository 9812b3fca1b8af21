#include "editor/GlyphTransfer.h"

#include "font/TextToByte.h"

namespace ledfont::editor {

GlyphView glyphView(const FontDataTable& font, int glyph) {
    const Glyph record = recordAt(font, glyph);
    GlyphView view;
    // A width the list has no entry for is shown, and so stored again, as the full 16 columns.
    view.width = record.shownWidth();
    view.colsIndex = view.width - 1;
    view.centreIndex = record.centre - 1;
    if (record.kindNumber() <= 2) {
        view.kind = record.kindNumber();
    }
    return view;
}

std::string conjunctText(std::uint8_t value) {
    return byteToHexText(value);
}

int conjunctListIndex(std::uint8_t value) {
    return value < kConjunctEntries ? value : -1;
}

std::uint8_t conjunctFromText(std::string_view text) {
    return textToByte("&H" + std::string(text));
}

int kindFromOptions(bool ikaar, bool vowel) {
    if (ikaar) {
        return 2;
    }
    return vowel ? 1 : 0;
}

GlyphRecord buildRecord(const GlyphControls& controls, const CharMapArray& charMap, bool juktaMode) {
    // The two header bytes are computed as the controls give them, so a value out of range overflows
    // instead of wrapping; CharMap already holds the bitmap in the record's layout.
    std::array<std::uint8_t, kRecordBytes> bytes{};
    bytes[0] = checkedByte(controls.colsIndex + 1);
    bytes[1] = checkedByte(controls.kind * 16 + controls.centreIndex + 1);
    for (int i = 0; i < kBitmapBytes; ++i) {
        bytes[static_cast<std::size_t>(2 + i)] = charMap(i);
    }
    GlyphRecord record;
    record.bytes = Glyph::decode(bytes).encode();
    if (juktaMode) {
        record.pair = std::array<std::uint8_t, kPairBytes>{conjunctFromText(controls.conjunctTexts[0]),
                                                           conjunctFromText(controls.conjunctTexts[1])};
    }
    return record;
}

void storeRecord(FontDocument& document, int glyph, const GlyphRecord& record) {
    checkIndex(glyph, FontDataTable::kRowUpper);
    document.setGlyph(
        glyph, Glyph::decode(record.bytes, record.pair.value_or(std::array<std::uint8_t, kPairBytes>{})),
        record.pair.has_value());
}

int nextGlyph(int current, bool juktaMode) {
    int last = glyphCount(kindOf(juktaMode)) - 1;
    return current < last ? current + 1 : current;
}

int previousGlyph(int current) {
    return current > 0 ? current - 1 : current;
}

}  // namespace ledfont::editor
