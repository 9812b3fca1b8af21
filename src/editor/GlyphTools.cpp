#include "editor/GlyphTools.h"

#include <algorithm>
#include <cstdint>

namespace ledfont::editor {

namespace {

using Columns = std::array<std::uint16_t, kGlyphColumns>;

std::uint16_t reversedRows(std::uint16_t column) {
    std::uint16_t out = 0;
    for (int r = 0; r < kGlyphRows; ++r) {
        if (((column >> r) & 1U) != 0) {
            out = static_cast<std::uint16_t>(out | (1U << (kGlyphRows - 1 - r)));
        }
    }
    return out;
}

}  // namespace

GlyphDraft applyTool(GlyphTool tool, const GlyphDraft& draft, int width) {
    Columns columns = draft.columns();
    const auto inWidth = columns.begin() + std::clamp(width, 0, kGlyphColumns);
    switch (tool) {
        case GlyphTool::Clear:
            columns.fill(0);
            break;
        case GlyphTool::Fill:
            std::fill(columns.begin(), inWidth, std::uint16_t{0xFFFF});
            break;
        case GlyphTool::Invert:
            std::for_each(columns.begin(), inWidth,
                          [](std::uint16_t& column) { column = static_cast<std::uint16_t>(~column); });
            break;
        case GlyphTool::ShiftLeft:
            std::shift_left(columns.begin(), columns.end(), 1);
            columns.back() = 0;
            break;
        case GlyphTool::ShiftRight:
            if (inWidth != columns.begin()) {
                std::shift_right(columns.begin(), inWidth, 1);
                columns.front() = 0;
            }
            break;
        case GlyphTool::ShiftUp:  // row 0 is the top one, bit 0 of a column
            for (auto& column : columns) {
                column = static_cast<std::uint16_t>(column >> 1);
            }
            break;
        case GlyphTool::ShiftDown:
            for (auto& column : columns) {
                column = static_cast<std::uint16_t>(column << 1);
            }
            break;
        case GlyphTool::FlipHorizontal:
            std::reverse(columns.begin(), inWidth);
            break;
        case GlyphTool::FlipVertical:
            for (auto& column : columns) {
                column = reversedRows(column);
            }
            break;
    }
    GlyphDraft result;
    result.setColumns(columns);
    return result;
}

}  // namespace ledfont::editor
