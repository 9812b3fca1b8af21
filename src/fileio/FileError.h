#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace ledfont::fileio {

// Why a file could not be written, in the few kinds a user can act on.
enum class FileFailure : std::uint8_t {
    BadName,           // empty, holding a NUL, too long, or a loop of symbolic links
    FileNotFound,      // the file itself is missing
    PathNotFound,      // a folder on the way is missing or is not a folder
    PermissionDenied,  // no access, or a file that may not be written
    NotAFile,          // a folder, device or pipe stands where the file should
    DiskFull,          // no space, a quota or the process's file-size limit
    NameTaken,         // no free name for the temporary was found
    DeviceError,       // anything else the system reported
};

// A failed write: what went wrong, the path the caller named, and for a DeviceError the system's own words.
class FileError : public std::runtime_error {
  public:
    FileError(FileFailure failure, std::filesystem::path path, std::string detail = {});

    FileFailure failure() const { return failure_; }
    const std::filesystem::path& path() const { return path_; }
    const std::string& detail() const { return detail_; }

  private:
    FileFailure failure_;
    std::filesystem::path path_;
    std::string detail_;
};

// The failure an errno value from opening, reading or writing a file stands for.
FileFailure failureFromErrno(int err);

}  // namespace ledfont::fileio
