#pragma once

#include <span>
#include <string>

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
