#pragma once

#include <cstdint>

#include "font/FontDocument.h"
#include "font/FontTables.h"

namespace ledfont::editor {

// What the editor works on: the font document, the glyph shown, and the bitmap last read from the canvas.
struct EditSession {
    FontDocument document;
    CharMapArray CharMap;
    std::int16_t CurChar = 0;
};

}  // namespace ledfont::editor
