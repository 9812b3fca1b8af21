#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "font/Error.h"
#include "font/Glyph.h"

namespace ledfont {

// Stores an int into a byte the checked way: anything outside 0..255 is an overflow, never a silent wrap.
inline std::uint8_t checkedByte(int value) {
    if (value < 0 || value > 255) {
        throwError(ErrorCode::Overflow);
    }
    return static_cast<std::uint8_t>(value);
}

inline void checkIndex(int index, int upper) {
    if (index < 0 || index > upper) {
        throwError(ErrorCode::SubscriptOutOfRange);
    }
}

// A byte array with the inclusive bounds 0..Upper; every index is checked.
template <int Upper>
class ByteArray {
  public:
    static constexpr int kUpper = Upper;
    static constexpr int kSize = Upper + 1;

    std::uint8_t operator()(int i) const {
        checkIndex(i, Upper);
        return data_[static_cast<std::size_t>(i)];
    }
    void set(int i, int value) {
        checkIndex(i, Upper);
        data_[static_cast<std::size_t>(i)] = checkedByte(value);
    }

    std::span<const std::uint8_t, kSize> bytes() const { return data_; }
    std::span<std::uint8_t, kSize> bytes() { return data_; }

    bool operator==(const ByteArray&) const = default;

  private:
    std::array<std::uint8_t, kSize> data_{};
};

// A byte table with two inclusive bounds 0..Rows and 0..Cols, stored row by row; every index is checked.
template <int Rows, int Cols>
class ByteMatrix {
  public:
    static constexpr int kRowUpper = Rows;
    static constexpr int kColUpper = Cols;
    static constexpr int kRowSize = Cols + 1;

    std::uint8_t operator()(int row, int col) const { return data_[offset(row, col)]; }
    void set(int row, int col, int value) { data_[offset(row, col)] = checkedByte(value); }

    // The whole row, for bulk copies that have already checked their range.
    std::span<const std::uint8_t, kRowSize> row(int r) const {
        return std::span<const std::uint8_t, kRowSize>(&data_[offset(r, 0)], kRowSize);
    }
    std::span<std::uint8_t, kRowSize> row(int r) {
        return std::span<std::uint8_t, kRowSize>(&data_[offset(r, 0)], kRowSize);
    }

    bool operator==(const ByteMatrix&) const = default;

  private:
    static std::size_t offset(int row, int col) {
        checkIndex(row, Rows);
        checkIndex(col, Cols);
        return static_cast<std::size_t>(row) * kRowSize + static_cast<std::size_t>(col);
    }

    std::array<std::uint8_t, static_cast<std::size_t>(Rows + 1) * kRowSize> data_{};
};

enum class FontKind { Hindi, Jukta512 };

constexpr int glyphCount(FontKind kind) {
    return kind == FontKind::Hindi ? 128 : 512;
}
// Values in a font text file: the glyph section, then (Jukta512 only) the conjunct section.
constexpr int valueCount(FontKind kind) {
    return glyphCount(kind) * kRecordBytes + (kind == FontKind::Jukta512 ? 512 * kPairBytes : 0);
}
// "Hindi" or "Jukta512": the kind as the window's options, the reports and the files name it.
constexpr const char* fontKindName(FontKind kind) {
    return kind == FontKind::Hindi ? "Hindi" : "Jukta512";
}
constexpr FontKind kindOf(bool juktaMode) {
    return juktaMode ? FontKind::Jukta512 : FontKind::Hindi;
}

using FontDataTable = ByteMatrix<600, 50>;
using JuktaDataTable = ByteMatrix<600, 2>;
// The grid's bitmap as the editor reads it back: bytes 0..31 in the layout of record bytes 2..33.
using CharMapArray = ByteArray<50>;

// The font itself: what a font file holds, the kind it was read as and the file chosen for it. A plain value,
// so the CLI, the window and the tests all hold exactly the same thing after loading the same file.
struct FontTables {
    FontDataTable FontData;    // glyph records in bytes 0..33 of rows 0..511
    JuktaDataTable JuktaData;  // conjunct pair in bytes 0..1 of rows 0..511
    bool JuktaMode = false;
    std::string FontFile;

    bool operator==(const FontTables&) const = default;
};

// Glyph `glyph` as a value, with its conjunct pair from JuktaData.
inline Glyph glyphAt(const FontTables& tables, int glyph) {
    const auto row = tables.FontData.row(glyph);
    return Glyph::decode(row.first<kRecordBytes>(), {tables.JuktaData(glyph, 0), tables.JuktaData(glyph, 1)});
}
// Writes the record of `value` into row `glyph`, and its pair too when `withPair`; the row is checked first,
// so a bad index writes nothing.
inline void setGlyph(FontTables& tables, int glyph, const Glyph& value, bool withPair) {
    const auto record = value.encode();
    std::copy(record.begin(), record.end(), tables.FontData.row(glyph).begin());
    if (withPair) {
        std::copy(value.pair.begin(), value.pair.end(), tables.JuktaData.row(glyph).begin());
    }
}

// The readings of one glyph record that the tools need without the whole value.
inline Glyph recordAt(const FontDataTable& font, int glyph) {
    return Glyph::decode(font.row(glyph).first<kRecordBytes>());
}
inline int glyphWidth(const FontDataTable& font, int glyph) {
    return recordAt(font, glyph).readWidth();
}
inline int glyphKind(const FontDataTable& font, int glyph) {
    return recordAt(font, glyph).kindNumber();
}
inline int glyphCentre(const FontDataTable& font, int glyph) {
    return recordAt(font, glyph).centre;
}
inline bool ledLit(const FontDataTable& font, int glyph, int column, int row) {
    return recordAt(font, glyph).lit(column, row);
}

}  // namespace ledfont
