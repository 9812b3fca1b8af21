#pragma once

#include <ostream>

#include "cli/Arguments.h"

namespace ledfont::cli {

// preview: the text composed with the font, as 16 lines of '#' and '.' on `out` and, with --png, as LEDs in a
// PNG file; what the sign cannot show as written on `err`.
int runPreview(const Arguments& args, std::ostream& out, std::ostream& err);

// sheet: every glyph of the font with its values and warnings, as a PNG file; prints the file's name.
int runSheet(const Arguments& args, std::ostream& out, std::ostream& err);

// The text file of check --text, read whole; throws Error with its path.
std::string readTextFile(const std::string& path);

}  // namespace ledfont::cli
