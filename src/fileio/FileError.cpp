#include "fileio/FileError.h"

#include <cerrno>
#include <string_view>
#include <utility>

namespace ledfont::fileio {

namespace {

std::string_view describe(FileFailure failure) {
    switch (failure) {
        case FileFailure::BadName:
            return "bad file name";
        case FileFailure::FileNotFound:
            return "file not found";
        case FileFailure::PathNotFound:
            return "path not found";
        case FileFailure::PermissionDenied:
            return "permission denied";
        case FileFailure::NotAFile:
            return "not a regular file";
        case FileFailure::DiskFull:
            return "disk full";
        case FileFailure::NameTaken:
            return "no free temporary name";
        case FileFailure::DeviceError:
            break;
    }
    return "device error";
}

std::string compose(FileFailure failure, const std::filesystem::path& path, const std::string& detail) {
    std::string text(describe(failure));
    text += ": ";
    const std::u8string name = path.u8string();
    text.append(name.begin(), name.end());
    if (!detail.empty()) {
        text += " (";
        text += detail;
        text += ')';
    }
    return text;
}

}  // namespace

FileError::FileError(FileFailure failure, std::filesystem::path path, std::string detail)
    : std::runtime_error(compose(failure, path, detail)),
      failure_(failure),
      path_(std::move(path)),
      detail_(std::move(detail)) {}

FileFailure failureFromErrno(int err) {
    switch (err) {
        case ENOENT:
            return FileFailure::FileNotFound;
        case ENOTDIR:
            return FileFailure::PathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return FileFailure::PermissionDenied;
        case EISDIR:
            return FileFailure::NotAFile;
        case ENOSPC:
        case EFBIG:
#ifdef EDQUOT  // Windows has no disk quotas in errno
        case EDQUOT:
#endif
            return FileFailure::DiskFull;
        case ENAMETOOLONG:
        case EINVAL:
        case ELOOP:
            return FileFailure::BadName;
        default:
            return FileFailure::DeviceError;
    }
}

}  // namespace ledfont::fileio
