#pragma once

#include <span>
#include <string>

#include "cli/Arguments.h"

namespace ledfont::cli {

// The arguments of unhex after its name: HEX -o FONT, or --binary FILE --base ADDRESS -o FONT, each with
// --kind auto|hindi|jukta512. ADDRESS is decimal or 0x hexadecimal, 0..0xFFFFFFFF. Throws UsageError.
Arguments parseUnhexArguments(std::span<const std::string> args);

}  // namespace ledfont::cli
