#pragma once

#include "editor/GlyphDraft.h"

namespace ledfont::editor {

// The glyph tools: each gives the draft it makes of `draft`; none touches the font. No tool lights an LED
// beyond the width, since the sign draws every lit LED and one there would cover the next glyph.
enum class GlyphTool {
    Clear,       // every LED dark
    Fill,        // every LED of columns 0..width-1 lit; the columns beyond the width stay
    Invert,      // lit and dark swapped in columns 0..width-1; the columns beyond the width stay
    ShiftLeft,   // every LED one cell over; what leaves the grid is dropped, what enters is dark
    ShiftRight,  // columns 0..width-1 one cell right, the last of them dropped; the columns beyond stay
    ShiftUp,
    ShiftDown,
    FlipHorizontal,  // columns 0..width-1 mirrored; the columns beyond the width stay
    FlipVertical,    // the 16 rows mirrored
};

GlyphDraft applyTool(GlyphTool tool, const GlyphDraft& draft, int width);

}  // namespace ledfont::editor
