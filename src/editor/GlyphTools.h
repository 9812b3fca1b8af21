#pragma once

#include <span>
#include <string>

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

// How the editor offers a tool: the command's object name, its menu text (with & before the access key;
// without it, the undo label) and its shortcut in portable text, empty for none.
struct ToolCommand {
    GlyphTool tool;
    const char* name;
    const char* text;
    const char* shortcut;
};
// Every tool, in menu order.
std::span<const ToolCommand> toolCommands();
// The text of `tool` without its access key mark, e.g. "Shift Left".
std::string toolLabel(GlyphTool tool);

}  // namespace ledfont::editor
