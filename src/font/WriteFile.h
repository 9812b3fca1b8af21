#pragma once

#include <filesystem>
#include <string_view>

namespace ledfont {

// fileio::writeFileAtomically, with its failures reported as the core's Error carrying the target's path:
// a full disk or a file-size limit is DiskFull, a missing folder PathNotFound, no access or a file that may
// not be written PermissionDenied, a folder, device or pipe PathFileAccessError, an empty name, one holding a
// NUL or a loop of links BadFileNameOrNumber.
void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace ledfont
