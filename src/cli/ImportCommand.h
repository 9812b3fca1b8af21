#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/Arguments.h"

namespace ledfont::cli {

// import: reads the source (a Unifont .hex file, a BDF font, an outline font file or the installed font of
// --system FAMILY), sets the selected glyphs of a new font or of the font --into names, and writes the font
// text to -o as "Save" would. Prints what was imported and which glyphs the source lacks. A source that
// does not read is one line on `err`, and nothing is written.
int runImport(const Arguments& args, std::ostream& out, std::ostream& err);

// Glyph numbers as the ranges --glyphs takes: "0x00-0x01, 0x7F".
std::string glyphRangesText(const std::vector<int>& glyphs);

}  // namespace ledfont::cli
