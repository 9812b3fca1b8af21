#pragma once

#include <string>
#include <vector>

#include "compose/CompositionCheck.h"

namespace ledfont::cli {

// One warning line for each problem the composition check found, in check's style: how many pairs, how many
// with each sign, and the first pairs themselves as the sign draws them.
std::vector<std::string> compositionLines(const std::vector<compose::CompositionFinding>& findings);

}  // namespace ledfont::cli
