#include "font/Glyph.h"

#include "font/FontTables.h"

namespace ledfont {

Glyph Glyph::decode(std::span<const std::uint8_t, kRecordBytes> record,
                    std::array<std::uint8_t, kPairBytes> pair) {
    Glyph glyph;
    glyph.width = record[0];
    glyph.kind = static_cast<GlyphKind>(record[1] >> 4);
    glyph.centre = static_cast<std::uint8_t>(record[1] & 15);
    for (std::size_t c = 0; c < kGlyphColumns; ++c) {
        const unsigned bits = record[2 + 2 * c] | (record[3 + 2 * c] << 8);
        glyph.columns[c] = static_cast<std::uint16_t>(~bits & 0xFFFF);
    }
    glyph.pair = pair;
    return glyph;
}

std::array<std::uint8_t, kRecordBytes> Glyph::encode() const {
    std::array<std::uint8_t, kRecordBytes> record{};
    record[0] = width;
    record[1] = static_cast<std::uint8_t>((static_cast<unsigned>(kind) & 15) << 4 | (centre & 15));
    for (std::size_t c = 0; c < kGlyphColumns; ++c) {
        const unsigned bits = ~static_cast<unsigned>(columns[c]) & 0xFFFF;
        record[2 + 2 * c] = static_cast<std::uint8_t>(bits & 0xFF);
        record[3 + 2 * c] = static_cast<std::uint8_t>(bits >> 8);
    }
    return record;
}

bool Glyph::lit(int column, int row) const {
    checkIndex(column, kGlyphColumns - 1);
    checkIndex(row, kGlyphRows - 1);
    return ((columns[static_cast<std::size_t>(column)] >> row) & 1) != 0;
}

void Glyph::setLit(int column, int row, bool on) {
    checkIndex(column, kGlyphColumns - 1);
    checkIndex(row, kGlyphRows - 1);
    auto& bits = columns[static_cast<std::size_t>(column)];
    const auto mask = static_cast<std::uint16_t>(1u << row);
    bits = static_cast<std::uint16_t>(on ? bits | mask : bits & ~mask);
}

}  // namespace ledfont
