#pragma once

#include "editor/GlyphDraft.h"

namespace ledfont::editor {

// The glyph tools: each gives the draft it makes of `draft`, acting on all 16 columns unless it says
// otherwise; none touches the font.
enum class GlyphTool {
    Clear,      // every LED dark
    Fill,       // every LED lit
    Invert,     // lit and dark swapped
    ShiftLeft,  // every LED one cell over; what leaves the grid is dropped, what enters is dark
    ShiftRight,
    ShiftUp,
    ShiftDown,
    FlipHorizontal,  // columns 0..width-1 mirrored; the columns beyond the width stay
    FlipVertical,    // the 16 rows mirrored
};

GlyphDraft applyTool(GlyphTool tool, const GlyphDraft& draft, int width);

}  // namespace ledfont::editor
