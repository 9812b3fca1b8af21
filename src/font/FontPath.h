#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "font/Error.h"

namespace ledfont {

// The separator the user sees in folder paths and in FontFile.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Paths are UTF-8 in std::string everywhere in this program. std::filesystem::path converts a std::string
// from the system's narrow encoding, which on Windows is a legacy code page, so every path made from or
// turned into a std::string goes through these two.
std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8FromPath(const std::filesystem::path& path);

// The path of a file chosen in a folder: folder, separator, name. A root folder ("/", "C:\") already ends
// in the separator, which is then not doubled. An empty folder gives the name alone.
std::string joinFolderFile(std::string_view folder, std::string_view name, char separator);

// An empty path names no file, and one holding a NUL would reach the system cut short, naming another.
bool namesNoFile(const std::filesystem::path& path);

// True when writing `b` would replace `a`: the same text, the same file through a link or another spelling
// of the path, or, for a file not there yet, the same place.
bool sameFile(const std::string& a, const std::string& b);

// Why a folder cannot be listed (vanished, not a folder, no permission, a drive without a medium), or
// nothing when it can.
std::optional<Error> folderReadError(const std::filesystem::path& folder);

}  // namespace ledfont
