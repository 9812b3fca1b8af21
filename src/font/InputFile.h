#pragma once

#include <filesystem>
#include <fstream>

#include "font/Error.h"
#include "font/FontPath.h"

namespace ledfont {

// Opens a file for reading in binary mode. Failures throw Error with the path: an empty or invalid name is
// BadFileNameOrNumber, a missing file FileNotFound, a missing folder PathNotFound, a folder
// PathFileAccessError, no access PermissionDenied.
std::ifstream openInputFile(const std::filesystem::path& path);

// Runs `read` and gives any Error it throws the path, so readers of streams need not know file names.
template <typename Read>
auto withPathOnError(const std::filesystem::path& path, Read&& read) {
    try {
        return read();
    } catch (const Error& e) {
        throw e.withPath(utf8FromPath(path));
    }
}

}  // namespace ledfont
