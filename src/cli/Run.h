#pragma once

#include <ostream>
#include <span>
#include <string>

namespace ledfont::cli {

// The whole tool: parses the arguments after the program name, runs the command and turns every failure
// into its exit status, with one line on `err` for a failed command and the usage for a usage error.
int run(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// run with stdout as `out`. Output that does not reach stdout (a full disk, a closed descriptor) fails the
// run: status 1 and one line on `err` saying why.
int runOnStandardOutput(std::span<const std::string> args, std::ostream& err);

}  // namespace ledfont::cli
