#pragma once

#include <ostream>
#include <span>
#include <string>

#include "cli/Arguments.h"

namespace ledfont::cli {

// The arguments of export after its name: FONT --format c|bin|srec [-o OUT] [--name NAME] [--kind K].
// --name goes with --format c only and must be a C identifier. Throws UsageError.
Arguments parseExportArguments(std::span<const std::string> args);

// export: writes the image the HEX file of FONT holds as C source (OUT.c and OUT.h), a raw binary or
// S-records, by default named after FONT as the HEX file is. Prints each file written, the image's size,
// addresses and CRC-32, and for a binary the address of its first byte.
int runExport(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace ledfont::cli
