#pragma once

#include <ostream>
#include <span>
#include <string>

namespace ledfont::cli {

// The whole tool: parses the arguments after the program name, runs the command and turns every failure
// into its exit status, with one line on `err` for a failed command and the usage for a usage error.
int run(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace ledfont::cli
