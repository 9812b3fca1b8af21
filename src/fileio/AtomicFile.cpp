#include "fileio/AtomicFile.h"

#include <cstring>
#include <optional>
#include <system_error>
#include <utility>

#include "fileio/AtomicFileSteps.h"

namespace ledfont::fileio {

namespace detail {

void fail(FileFailure failure, const fs::path& target, std::string detail) {
    throw FileError(failure, target, std::move(detail));
}

void failWithErrno(int err, const fs::path& target) {
    const FileFailure failure = failureFromErrno(err);
    fail(failure, target, failure == FileFailure::DeviceError && err != 0 ? std::strerror(err) : "");
}

fs::path folderOf(const fs::path& path) {
    fs::path folder = path.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

fs::path temporaryName(const fs::path& path, std::mt19937_64& random) {
    fs::path name = ".";
    name += path.filename();
    name += ".tmp-";
    name += std::to_string(random() % 1000000000);
    return folderOf(path) / name;
}

}  // namespace detail

namespace {

using namespace detail;

// Symbolic link chains longer than this are taken as loops, as the kernel does.
constexpr int kMaxLinkHops = 40;

// Follows symbolic links so that the file they name is replaced and the links stay links. A dangling link
// resolves to the file it would name, which is then created. `status` is what stands at the result.
fs::path resolveLinks(const fs::path& target, fs::file_status& status) {
    fs::path path = target;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        std::error_code ec;
        status = fs::symlink_status(path, ec);
        if (status.type() != fs::file_type::symlink) {
            if (status.type() == fs::file_type::none) {
                failWithErrno(ec.value(), target);
            }
            return path;
        }
        fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            failWithErrno(ec.value(), target);
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    fail(FileFailure::BadName, target);
}

// The permission bits of the regular file at the resolved path, nothing when none stands there.
std::optional<fs::perms> existingFilePerms(const fs::file_status& status, const fs::path& target) {
    switch (status.type()) {
        case fs::file_type::not_found:
            return std::nullopt;
        case fs::file_type::regular:
            return status.permissions();
        default:
            fail(FileFailure::NotAFile, target);
    }
}

// The rename would replace a file that may not be written; an in-place writer would be refused, and so is
// this one. A file with no write bit at all is refused even for the superuser, whom the access check lets
// write anything.
void refuseReadOnly(const fs::path& resolved, fs::perms perms, const fs::path& target) {
    constexpr fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((perms & anyWrite) == fs::perms::none) {
        fail(FileFailure::PermissionDenied, target);
    }
    refuseNoAccess(resolved, target);
}

bool namesNoFile(const fs::path& path) {
    return path.empty() || path.native().find(fs::path::value_type{}) != fs::path::string_type::npos;
}

}  // namespace

void writeFileAtomically(const fs::path& target, std::string_view bytes) {
    // An empty path names no file, and one holding a NUL would reach the system cut short, naming another.
    if (namesNoFile(target)) {
        fail(FileFailure::BadName, target);
    }
    // A pipe or a terminal (also as /dev/stdout, whose link names no path) cannot be replaced, and holds no
    // old content to keep: it is written as it stands.
    if (isStream(target)) {
        writeStream(target, bytes);
        return;
    }
    fs::file_status status;
    const fs::path resolved = resolveLinks(target, status);
    const std::optional<fs::perms> perms = existingFilePerms(status, target);
    if (perms) {
        refuseReadOnly(resolved, *perms, target);
    }
    writeResolved(resolved, target, bytes, perms.has_value(), perms.value_or(fs::perms::none));
}

}  // namespace ledfont::fileio
