#pragma once

#include <string>

#include "font/FontTables.h"

namespace ledfont::cli {

// The tables as the editor holds them after choosing `path` and loading it as `kind`: FontFile set,
// the values stored, JuktaMode set by the kind, CurChar 0. Throws the reader's Error, with the path.
FontTables loadFontTables(const std::string& path, FontKind kind);

}  // namespace ledfont::cli
