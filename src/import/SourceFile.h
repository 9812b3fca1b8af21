#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "import/GlyphSource.h"

namespace ledfont::import {

// A source opened for an import, and the pixel size an outline font is rendered at (0 for bitmap fonts).
struct OpenedSource {
    std::unique_ptr<GlyphSource> source;
    int pixelSize = 0;
    int bodyFirst = -1;  // the rows KA's ink takes at that size, the letters' body; -1 for bitmap fonts
    int bodyLast = -1;
};

// The source a file holds: a .hex file is Unifont; a .bdf file, or any file that starts as BDF does, is
// BDF; anything else is taken for an outline font, rendered at `pixelSize` (0: the largest that fits).
// Throws SourceError, or ledfont::Error for a file that cannot be read.
OpenedSource openSourceFile(const std::string& path, int pixelSize);
// The installed outline font of `family`.
OpenedSource openSystemFont(const std::string& family, int pixelSize);

// "0x15-0x39,0x80,200-255" as inclusive ranges of glyph numbers (decimal or 0x hexadecimal), each first <=
// last; nothing for any other text.
std::optional<std::vector<std::pair<int, int>>> glyphRanges(std::string_view text);

}  // namespace ledfont::import
