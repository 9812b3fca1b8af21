#pragma once

#include <array>
#include <cstdint>

#include "font/FontTables.h"

namespace ledfont::editor {

// The glyph as the canvas shows it: which of the 16 x 16 LEDs are lit. The canvas changes it with every
// LED it draws and reads the bitmap back from it, so the picture is only what the user sees.
class GlyphDraft {
  public:
    bool lit(int column, int row) const {
        return inGrid(column, row) && ((columns_[static_cast<std::size_t>(column)] >> row) & 1U) != 0;
    }
    // Cells outside the grid hold nothing: an LED drawn there leaves no trace.
    void set(int column, int row, bool on) {
        if (!inGrid(column, row)) {
            return;
        }
        auto& bits = columns_[static_cast<std::size_t>(column)];
        const auto bit = static_cast<std::uint16_t>(1U << row);
        bits = static_cast<std::uint16_t>(on ? bits | bit : bits & ~bit);
    }
    void clear() { columns_.fill(0); }

    // Byte i (0..31) of the bitmap in CharMap's layout: column i / 2, rows 8 (i % 2) .. +7, 1 for dark.
    std::uint8_t mapByte(int i) const {
        const unsigned half = columns_[static_cast<std::size_t>(i / 2)] >> (8 * (i % 2));
        return static_cast<std::uint8_t>(~half & 0xFFU);
    }
    // Bytes 0..31 of `map` from the draft; the bytes after them stay.
    void fillMap(CharMapArray& map) const {
        for (int i = 0; i < kBitmapBytes; ++i) {
            map.set(i, mapByte(i));
        }
    }

    // Bit r of column c set: LED (c, r) is lit, as in Glyph::columns.
    const std::array<std::uint16_t, kGlyphColumns>& columns() const { return columns_; }
    void setColumns(const std::array<std::uint16_t, kGlyphColumns>& columns) { columns_ = columns; }

    bool operator==(const GlyphDraft&) const = default;

  private:
    static bool inGrid(int column, int row) {
        return column >= 0 && column < kGlyphColumns && row >= 0 && row < kGlyphRows;
    }

    std::array<std::uint16_t, kGlyphColumns> columns_{};
};

}  // namespace ledfont::editor
