#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace ledfont {

constexpr int kRecordBytes = 34;
constexpr int kBitmapBytes = 32;
constexpr int kPairBytes = 2;
constexpr int kGlyphColumns = 16;
constexpr int kGlyphRows = 16;

// The kind nibble of a record. Only the first three have a name; any other nibble (3..15) is kept as it is,
// so a record that holds one encodes back unchanged.
enum class GlyphKind : std::uint8_t { Consonant = 0, Vowel = 1, Ikaar = 2 };

// One glyph record and its conjunct pair as a value. The record is 34 bytes: the width, then kind (high
// nibble) and centre (low nibble), then two bytes a column for 16 columns, top half first, the lowest bit
// the top row, a 0 bit a lit LED. decode and encode are the only places that know this layout; every byte
// value round-trips exactly.
struct Glyph {
    std::uint8_t width = 0;  // as stored: 0 and values above 16 are kept, see shownWidth
    GlyphKind kind = GlyphKind::Consonant;
    std::uint8_t centre = 0;  // 0..15, 0 for none
    // Bit r of column c set: the LED in row r of column c is lit.
    std::array<std::uint16_t, kGlyphColumns> columns{};
    std::array<std::uint8_t, kPairBytes> pair{};  // the conjunct pair; only a Jukta512 font stores it

    static Glyph decode(std::span<const std::uint8_t, kRecordBytes> record,
                        std::array<std::uint8_t, kPairBytes> pair = {});
    std::array<std::uint8_t, kRecordBytes> encode() const;

    bool lit(int column, int row) const;
    void setLit(int column, int row, bool on);

    // The width as the font is read out: a stored 0 means all 16 columns.
    int readWidth() const { return width == 0 ? kGlyphColumns : width; }
    // The width as the editor's list shows it: 0, and anything the list has no entry for, is 16.
    int shownWidth() const { return width == 0 || width > kGlyphColumns ? kGlyphColumns : width; }
    int kindNumber() const { return static_cast<int>(kind); }

    bool operator==(const Glyph&) const = default;
};

}  // namespace ledfont
