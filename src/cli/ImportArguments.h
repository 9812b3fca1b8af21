#pragma once

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "cli/Arguments.h"

namespace ledfont::cli {

// The arguments of import after its name: SOURCE or --system FAMILY, -o OUT, and optionally --kind
// hindi|jukta512, --into FONT, --size PX (1..64), --glyphs RANGE, --only-empty, --conjuncts
// unpaired|all|none, --conjuncts-from TEXT. Throws UsageError.
Arguments parseImportArguments(std::span<const std::string> args);

// "0x15-0x39,0x80,200-255" as inclusive ranges, each first <= last. Throws UsageError.
std::vector<std::pair<int, int>> parseGlyphRanges(const std::string& text);

}  // namespace ledfont::cli
