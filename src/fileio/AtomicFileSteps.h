#pragma once

// The steps of writeFileAtomically that AtomicFile.cpp shares with the platform's half
// (AtomicFilePosix.cpp or AtomicFileWindows.cpp). Not for use outside src/fileio.

#include <filesystem>
#include <random>
#include <string>
#include <string_view>

#include "fileio/FileError.h"

namespace ledfont::fileio::detail {

namespace fs = std::filesystem;

constexpr int kMaxNameTries = 100;

[[noreturn]] void fail(FileFailure failure, const fs::path& target, std::string detail = {});
// The failure for an errno value; a DeviceError carries the system's text for it.
[[noreturn]] void failWithErrno(int err, const fs::path& target);

// The folder a path lies in, "." for a bare name.
fs::path folderOf(const fs::path& path);

// A name beside the target that no other writer uses: the target's name, a dot prefix and a random part.
fs::path temporaryName(const fs::path& path, std::mt19937_64& random);

// True when `target`, its links followed, is a FIFO or a character device (a terminal, /dev/null); never
// on Windows.
bool isStream(const fs::path& target);

// Writes `bytes` to such a target directly; one with no reader (a FIFO nobody opened) fails at once
// instead of waiting.
void writeStream(const fs::path& target, std::string_view bytes);

// Refuses to replace a file the system's access check says this user may not write.
void refuseNoAccess(const fs::path& resolved, const fs::path& target);

// Writes `bytes` to a temporary beside `resolved` (the target with its links followed), flushes it and
// renames it over `resolved`; `existing` says whether a regular file stands there now, whose owner and
// permission bits the new one keeps. Errors name `target`.
void writeResolved(const fs::path& resolved, const fs::path& target, std::string_view bytes, bool existing,
                   fs::perms perms);

}  // namespace ledfont::fileio::detail
