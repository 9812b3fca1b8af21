#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "font/FontTables.h"

namespace ledfont::hexout {

// The HEX file's name: the font file's path with the extension of its file name replaced by "hex", or
// ".hex" added when the name has none. Both '/' and '\' separate folders, so a dot in a folder name is
// never taken for an extension; leading dots belong to the name (".profile" -> ".profile.hex") and a
// trailing dot is an empty extension ("font." -> "font.hex"). A path with no file name throws
// BadFileNameOrNumber.
std::string hexFileName(const std::string& fontFile);

// The same with any extension in place of "hex".
std::string fileNameWithExtension(const std::string& fontFile, std::string_view extension);

// Writes buildHexText(tables) to `hexFile` and returns its path. The file is replaced as a whole or not at
// all. Throws FileAlreadyExists when `hexFile` is the font file (tables.FontFile) itself; every error
// carries the HEX file's path.
std::filesystem::path writeHexFile(const FontTables& tables, const std::string& hexFile);

// The same to the file named after tables.FontFile (hexFileName), which must not be empty.
std::filesystem::path writeHexFile(const FontTables& tables);

}  // namespace ledfont::hexout
