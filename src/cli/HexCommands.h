#pragma once

#include <ostream>

#include "cli/Arguments.h"

namespace ledfont::cli {

// verify FONT HEX: the one summary line and status 0 when the HEX holds exactly the font's image; else
// the first 20 differences, the summary and status 1. A HEX that does not read is one line on `err`.
int runVerify(const Arguments& args, std::ostream& out, std::ostream& err);

// unhex: reads the HEX file (or the raw dump), takes the font of the kind given or found, and writes its
// font text to -o exactly as the editor's "Save" would. Prints the file written, the kind and where the
// font lay.
int runUnhex(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace ledfont::cli
