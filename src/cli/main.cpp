#include <iostream>
#include <string>
#include <vector>

#include "cli/Run.h"
#include "font/AtomicFile.h"

int main(int argc, char** argv) {
    ledfont::ignoreFileSizeSignal();
    std::vector<std::string> args(argv + 1, argv + argc);
    return ledfont::cli::runOnStandardOutput(args, std::cerr);
}
