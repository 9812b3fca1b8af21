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

const ToolCommand kTools[] = {
    {GlyphTool::Clear, "actClearGlyph", "C&lear", ""},
    {GlyphTool::Fill, "actFillGlyph", "&Fill", ""},
    {GlyphTool::Invert, "actInvertGlyph", "&Invert", ""},
    {GlyphTool::ShiftLeft, "actShiftLeft", "Shift &Left", "Alt+Left"},
    {GlyphTool::ShiftRight, "actShiftRight", "Shift &Right", "Alt+Right"},
    {GlyphTool::ShiftUp, "actShiftUp", "Shift &Up", "Alt+Up"},
    {GlyphTool::ShiftDown, "actShiftDown", "Shift &Down", "Alt+Down"},
    {GlyphTool::FlipHorizontal, "actFlipHorizontal", "Flip &Horizontally", ""},
    {GlyphTool::FlipVertical, "actFlipVertical", "Flip &Vertically", ""},
};

}  // namespace

std::span<const ToolCommand> toolCommands() {
    return kTools;
}

std::string toolLabel(GlyphTool tool) {
    std::string label;
    for (const ToolCommand& command : kTools) {
        if (command.tool == tool) {
            for (const char* c = command.text; *c != '\0'; ++c) {
                if (*c != '&') {
                    label += *c;
                }
            }
        }
    }
    return label;
}

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
