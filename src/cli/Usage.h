#pragma once

#include <string_view>

namespace ledfont::cli {

std::string_view usageText();
std::string_view versionText();

}  // namespace ledfont::cli
