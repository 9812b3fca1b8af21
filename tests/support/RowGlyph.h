#pragma once

#include <array>
#include <cstdint>

#include "font/Glyph.h"

namespace ledfont::test {

// A glyph lighting the first `lit` columns of row `row` only: each test glyph has a row of its own, so a
// composed strip shows where each was drawn.
inline Glyph rowGlyph(int width, GlyphKind kind, int centre, int row, int lit,
                      std::array<std::uint8_t, 2> pair = {}) {
    Glyph glyph;
    glyph.width = static_cast<std::uint8_t>(width);
    glyph.kind = kind;
    glyph.centre = static_cast<std::uint8_t>(centre);
    glyph.pair = pair;
    for (int column = 0; column < lit; ++column) {
        glyph.setLit(column, row, true);
    }
    return glyph;
}

}  // namespace ledfont::test
