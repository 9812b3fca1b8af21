#pragma once

#include <memory>
#include <string>

#include "font/FontTables.h"

namespace ledfont::bench {

// A full font of `kind` with varied widths, kinds, centres, bitmaps and pairs, so that the font text has
// values of one, two and three digits as a real font does.
std::unique_ptr<FontTables> sampleTables(FontKind kind);

// The font text of sampleTables(kind).
std::string sampleText(FontKind kind);

}  // namespace ledfont::bench
