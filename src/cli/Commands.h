#pragma once

#include <ostream>

#include "cli/Arguments.h"

namespace ledfont::cli {

enum ExitStatus : int { kExitDone = 0, kExitFailed = 1, kExitUsage = 2 };

// `-o -` of hex and export: the output goes to `out`, and what would be printed beside it to `err`.
inline constexpr const char* kStandardOutput = "-";

// Each command writes its result to `out` and returns the exit status; a failure that stops it throws
// ledfont::Error, and nothing has been written to a file by then. A command that reads a font says on `err`
// how it read it (see readingNote) once only its output can still fail.
int runHex(const Arguments& args, std::ostream& out, std::ostream& err);
int runCheck(const Arguments& args, std::ostream& out, std::ostream& err);
int runShow(const Arguments& args, std::ostream& out, std::ostream& err);
int runJconv(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace ledfont::cli
