#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "font/FontTables.h"
#include "support/PatternTables.h"
#include "support/TestFiles.h"

namespace ledfont::test {

struct RunResult {
    int status = -1;  // the exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs the built ledfont with `args` and collects its exit status, stdout and stderr.
RunResult runLedfont(const std::vector<std::string>& args);

// The font text of `kind` with value number `index` replaced by `text` (its line is index + 1).
std::string fontTextWith(FontKind kind, int index, std::string_view text);

}  // namespace ledfont::test
