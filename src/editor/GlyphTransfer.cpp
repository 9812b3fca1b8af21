#include "editor/GlyphTransfer.h"

#include "font/TextToByte.h"

namespace ledfont::editor {

GlyphView glyphView(const FontDataTable& font, int glyph) {
    GlyphView view;
    int width = font(glyph, 0);
    // A width the list has no entry for is shown, and so stored again, as the full 16 columns.
    view.width = (width == 0 || width > kMaxWidth) ? kMaxWidth : width;
    view.colsIndex = view.width - 1;
    view.centreIndex = glyphCentre(font, glyph) - 1;
    int kind = glyphKind(font, glyph);
    if (kind <= 2) {
        view.kind = kind;
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
    GlyphRecord record;
    record.bytes[0] = checkedByte(controls.colsIndex + 1);
    record.bytes[1] = checkedByte(controls.kind * 16 + controls.centreIndex + 1);
    for (int i = 0; i < kBitmapBytes; ++i) {
        record.bytes[static_cast<std::size_t>(2 + i)] = charMap(i);
    }
    if (juktaMode) {
        record.pair = std::array<std::uint8_t, kPairBytes>{conjunctFromText(controls.conjunctTexts[0]),
                                                           conjunctFromText(controls.conjunctTexts[1])};
    }
    return record;
}

void storeRecord(FontTables& tables, int glyph, const GlyphRecord& record) {
    checkIndex(glyph, FontDataTable::kRowUpper);
    for (int i = 0; i < kRecordBytes; ++i) {
        tables.FontData.set(glyph, i, record.bytes[static_cast<std::size_t>(i)]);
    }
    if (record.pair) {
        for (int k = 0; k < kPairBytes; ++k) {
            tables.JuktaData.set(glyph, k, (*record.pair)[static_cast<std::size_t>(k)]);
        }
    }
}

int nextGlyph(int current, bool juktaMode) {
    int last = glyphCount(kindOf(juktaMode)) - 1;
    return current < last ? current + 1 : current;
}

int previousGlyph(int current) {
    return current > 0 ? current - 1 : current;
}

}  // namespace ledfont::editor
