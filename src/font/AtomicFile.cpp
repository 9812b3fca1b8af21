#include "font/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <utility>

#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/FontPath.h"

#ifdef _WIN32
#ifndef NOMINMAX  // libstdc++ defines it already
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <unistd.h>
#include <csignal>
#endif

namespace ledfont {

namespace {

namespace fs = std::filesystem;

// Symbolic link chains longer than this are taken as loops, as the kernel does.
constexpr int kMaxLinkHops = 40;
constexpr int kMaxNameTries = 100;

[[noreturn]] void fail(ErrorCode code, const fs::path& path, int err = 0) {
    ErrorPlace place = placeOfPath(utf8FromPath(path));
    if (code == ErrorCode::DeviceIOError && err != 0) {
        place.note = std::strerror(err);
    }
    throw Error(code, std::move(place));
}

// Follows symbolic links so that the file they name is replaced and the links stay links. A dangling link
// resolves to the file it would name, which is then created.
fs::path resolveLinks(const fs::path& target) {
    fs::path path = target;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        std::error_code ec;
        fs::file_status status = fs::symlink_status(path, ec);
        if (status.type() != fs::file_type::symlink) {
            return path;
        }
        fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            fail(errorFromErrno(ec.value()), target, ec.value());
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    fail(ErrorCode::BadFileNameOrNumber, target);
}

// Checks what stands at the resolved path; returns its permission bits when it is a regular file.
std::optional<fs::perms> existingFilePerms(const fs::path& path, const fs::path& target) {
    std::error_code ec;
    fs::file_status status = fs::status(path, ec);
    switch (status.type()) {
        case fs::file_type::not_found:
            return std::nullopt;
        case fs::file_type::regular:
            return status.permissions();
        case fs::file_type::none:
            fail(errorFromErrno(ec.value()), target, ec.value());
        default:
            fail(ErrorCode::PathFileAccessError, target);
    }
}

// The rename would replace a file that may not be written; an in-place writer would be refused, and so is
// this one. A file with no write bit at all is refused even for the superuser, whom the access check lets
// write anything.
void refuseReadOnly([[maybe_unused]] const fs::path& resolved, fs::perms perms, const fs::path& target) {
    constexpr fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((perms & anyWrite) == fs::perms::none) {
        fail(ErrorCode::PermissionDenied, target);
    }
#ifndef _WIN32
    if (::faccessat(AT_FDCWD, resolved.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES) {
        fail(ErrorCode::PermissionDenied, target);
    }
#endif
}

fs::path folderOf(const fs::path& path) {
    fs::path folder = path.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// A name beside the target that no other writer uses: the target's name, a dot prefix and a random part.
fs::path temporaryName(const fs::path& path, std::mt19937_64& random) {
    // Appended piece by piece: GCC 12 at -O3 takes the chained operator+ for an overlapping copy
    // (-Wrestrict) and fails the Release build.
    std::string name = ".";
    name += utf8FromPath(path.filename());
    name += ".tmp-";
    name += std::to_string(random() % 1000000000);
    return folderOf(path) / pathFromUtf8(name);
}

#ifndef _WIN32

// Opening the temporary failed: a missing folder is what the user needs to hear about.
ErrorCode openFailure(int err) {
    return err == ENOENT || err == ENOTDIR ? ErrorCode::PathNotFound : errorFromErrno(err);
}

// The new content is written to a file of its own beside the target and renamed over it when complete. On
// Linux that file is first unnamed (O_TMPFILE), so a writer killed before the content is complete leaves
// nothing behind; it gets a name only for the rename. Elsewhere, or where the file system has no unnamed
// files, it is a named temporary from the start.
class TemporaryFile {
  public:
    TemporaryFile(const fs::path& resolved, const fs::path& target)
        : target_(target), random_(std::random_device{}()) {
        if (openUnnamed(folderOf(resolved))) {
            (void)::flock(fd_, LOCK_EX);
            return;
        }
        for (int i = 0; i < kMaxNameTries; ++i) {
            path_ = temporaryName(resolved, random_);
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0 && lockedAsCreated()) {
                return;
            }
            if (fd_ < 0 && errno != EEXIST) {
                fail(openFailure(errno), target_, errno);
            }
            if (fd_ >= 0) {
                ::close(fd_);
                fd_ = -1;
            }
        }
        path_.clear();
        fail(ErrorCode::FileAlreadyExists, target_);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!committed_ && !path_.empty()) {
            ::unlink(path_.c_str());
        }
    }

    void write(std::string_view bytes) {
        while (!bytes.empty()) {
            ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                failWith(n < 0 ? errno : ENOSPC);
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
    }

    // Replacing another user's file (the superuser editing it) must not hand it over to the superuser.
    // Only the superuser may change owners: for everyone else fchown fails with EPERM and the file becomes
    // theirs, as any save by them would make it; EINVAL is an owner this system cannot map (a container).
    // Any other failure is a real one.
    void keepOwner(const fs::path& resolved) {
        struct stat existing {};
        if (::stat(resolved.c_str(), &existing) == 0 &&
            (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())) {
            if (::fchown(fd_, existing.st_uid, existing.st_gid) != 0 && errno != EPERM && errno != EINVAL) {
                failWith(errno);
            }
        }
    }

    void setPermissions(fs::perms perms) {
        if (::fchmod(fd_, static_cast<mode_t>(perms)) != 0) {
            failWith(errno);
        }
    }

    // Flushes and renames over `resolved`; from here on the temporary is the target. `replacing` says
    // whether a target stood there when the write began.
    void commit(const fs::path& resolved, bool replacing) {
        if (::fsync(fd_) != 0) {
            failWith(errno);
        }
        if (path_.empty()) {
            commitUnnamed(resolved, replacing);
        } else {
            commitNamed(resolved);
        }
        committed_ = true;
        syncFolder(folderOf(resolved));
    }

  private:
    [[noreturn]] void failWith(int err) { fail(errorFromErrno(err), target_, err); }

    // Takes the lock that tells removeDeadTemporaries this writer lives; false when, before the lock was
    // taken, another writer took the new file for a dead one's and removed it.
    bool lockedAsCreated() const {
        struct stat opened {};
        struct stat named {};
        return ::flock(fd_, LOCK_EX) != 0 ||
               (::fstat(fd_, &opened) == 0 && ::lstat(path_.c_str(), &named) == 0 &&
                opened.st_dev == named.st_dev && opened.st_ino == named.st_ino);
    }

    bool openUnnamed([[maybe_unused]] const fs::path& folder) {
#ifdef O_TMPFILE
        // Any failure (an old kernel, a file system without unnamed files, no /proc to name it through)
        // leaves the named temporary, which then reports what is really wrong.
        fd_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            return false;
        }
        struct stat linked {};
        if (::stat(procPath().c_str(), &linked) == 0) {
            return true;
        }
        ::close(fd_);
        fd_ = -1;
#endif
        return false;
    }

    // The name through which an unnamed file can be linked without privileges (AT_EMPTY_PATH needs them).
    std::string procPath() const {
        return "/proc/self/fd/" + std::to_string(fd_);
    }

    bool linkTo(const fs::path& name) const {
        return ::linkat(AT_FDCWD, procPath().c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
    }

    // The file stays open, and so locked, until it is renamed: closed before, it would look like a dead
    // writer's temporary to another writer of the same file. It is flushed already, so closing it later
    // has nothing left to report.
    void commitNamed(const fs::path& resolved) {
        if (::rename(path_.c_str(), resolved.c_str()) != 0) {
            failWith(errno);
        }
    }

    void commitUnnamed(const fs::path& resolved, bool replacing) {
        // A new target is named at once: no moment with a temporary name at all.
        if (!replacing && linkTo(resolved)) {
            return;
        }
        if (!replacing && errno != EEXIST) {
            failWith(errno);
        }
        // A link cannot replace a file, so the content takes a temporary name and is renamed over the target
        // right away; only a kill between these two calls leaves the temporary behind.
        for (int i = 0; i < kMaxNameTries; ++i) {
            fs::path name = temporaryName(resolved, random_);
            if (linkTo(name)) {
                path_ = std::move(name);
                if (::rename(path_.c_str(), resolved.c_str()) != 0) {
                    failWith(errno);
                }
                return;
            }
            if (errno != EEXIST) {
                failWith(errno);
            }
        }
        fail(ErrorCode::FileAlreadyExists, target_);
    }

    // Makes the rename itself durable; the data is already safe, so a failure here is not reported.
    static void syncFolder(const fs::path& folder) {
        int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }

    fs::path target_;
    fs::path path_;  // empty while the file has no name
    std::mt19937_64 random_;
    int fd_ = -1;
    bool committed_ = false;
};

bool isTemporaryOf(const std::string& name, const std::string& prefix) {
    return name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
           name.find_first_not_of("0123456789", prefix.size()) == std::string::npos;
}

// A writer killed between naming its content and renaming it (or, without unnamed files, at any moment)
// leaves a temporary. Every writer holds a lock on its temporary from before the temporary has a name until
// it ends, so one whose lock can be taken belongs to a dead writer and is removed; the next save of a file
// thus clears what a killed one left. Best effort: nothing here fails the save.
void removeDeadTemporaries(const fs::path& resolved) {
    // Appended, not "." + name: GCC 12 at -O2 misreads that as an overlapping copy (-Wrestrict).
    std::string prefix = ".";
    prefix += resolved.filename().string();
    prefix += ".tmp-";
    std::error_code ec;
    for (fs::directory_iterator it(folderOf(resolved), ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& path = it->path();
        if (!isTemporaryOf(path.filename().string(), prefix)) {
            continue;
        }
        int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat opened {};
        struct stat named {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
            ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
            opened.st_ino == named.st_ino) {
            ::unlink(path.c_str());
        }
        ::close(fd);
    }
}

void writeResolved(const fs::path& resolved, const fs::path& target, std::string_view bytes,
                   std::optional<fs::perms> perms) {
    {
        TemporaryFile temporary(resolved, target);
        temporary.write(bytes);
        if (perms) {
            temporary.keepOwner(resolved);
            temporary.setPermissions(*perms & fs::perms::mask);
        }
        temporary.commit(resolved, perms.has_value());
    }
    removeDeadTemporaries(resolved);
}

#else

// Windows: the same steps with the Win32 calls that make them safe. The temporary is created only where no
// file stands (CREATE_NEW), flushed to the disk before it replaces the target, and renamed over the target
// with the rename itself written through. Windows has no unnamed files, so a writer killed part way leaves
// its temporary.

ErrorCode errorFromWindows(DWORD err) {
    switch (err) {
        case ERROR_FILE_NOT_FOUND:
            return ErrorCode::FileNotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_DIRECTORY:
            return ErrorCode::PathNotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return ErrorCode::PermissionDenied;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
        case ERROR_FILE_TOO_LARGE:
            return ErrorCode::DiskFull;
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_FILENAME_EXCED_RANGE:
            return ErrorCode::BadFileNameOrNumber;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return ErrorCode::FileAlreadyExists;
        default:
            return ErrorCode::DeviceIOError;
    }
}

[[noreturn]] void failWindows(const fs::path& target, DWORD err) {
    ErrorPlace place = placeOfPath(utf8FromPath(target));
    const ErrorCode code = errorFromWindows(err);
    if (code == ErrorCode::DeviceIOError) {
        place.note = "Windows error " + std::to_string(err);
    }
    throw Error(code, std::move(place));
}

// How often and how long apart a replace refused for an open target is tried again: two seconds in all.
constexpr int kReplaceTries = 400;
constexpr DWORD kReplaceWaitMs = 5;

class TemporaryFile {
  public:
    TemporaryFile(const fs::path& resolved, const fs::path& target) : target_(target) {
        std::mt19937_64 random(std::random_device{}());
        for (int i = 0; i < kMaxNameTries; ++i) {
            path_ = temporaryName(resolved, random);
            handle_ = ::CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle_ != INVALID_HANDLE_VALUE) {
                return;
            }
            const DWORD err = ::GetLastError();
            if (err != ERROR_FILE_EXISTS && err != ERROR_ALREADY_EXISTS) {
                path_.clear();
                // A file where a folder should be reads as a missing folder, as on POSIX systems.
                failWindows(target_, err == ERROR_FILE_NOT_FOUND || err == ERROR_DIRECTORY
                                         ? ERROR_PATH_NOT_FOUND
                                         : err);
            }
        }
        path_.clear();
        fail(ErrorCode::FileAlreadyExists, target_);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        close();
        if (!committed_ && !path_.empty()) {
            ::DeleteFileW(path_.c_str());
        }
    }

    void write(std::string_view bytes) {
        while (!bytes.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            DWORD written = 0;
            if (!::WriteFile(handle_, bytes.data(), chunk, &written, nullptr)) {
                failWindows(target_, ::GetLastError());
            }
            if (written == 0) {
                failWindows(target_, ERROR_DISK_FULL);
            }
            bytes.remove_prefix(written);
        }
    }

    // Flushes, closes and renames over `resolved`, which a read-only attribute would refuse.
    void commit(const fs::path& resolved) {
        if (!::FlushFileBuffers(handle_)) {
            failWindows(target_, ::GetLastError());
        }
        close();
        // A target that another program has open without sharing its deletion (a reader, a virus scanner,
        // the search indexer) cannot be replaced until that program closes it, usually within milliseconds.
        DWORD err = ERROR_SUCCESS;
        for (int i = 0; i < kReplaceTries; ++i) {
            if (::MoveFileExW(path_.c_str(), resolved.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
                committed_ = true;
                return;
            }
            err = ::GetLastError();
            if (err != ERROR_ACCESS_DENIED && err != ERROR_SHARING_VIOLATION) {
                break;
            }
            ::Sleep(kReplaceWaitMs);
        }
        failWindows(target_, err);
    }

  private:
    void close() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }

    fs::path target_;
    fs::path path_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    bool committed_ = false;
};

// The permission bits are the read-only attribute only, which refuseReadOnly has checked already; the new
// file keeps the other attributes a new file gets.
void writeResolved(const fs::path& resolved, const fs::path& target, std::string_view bytes,
                   std::optional<fs::perms>) {
    TemporaryFile temporary(resolved, target);
    temporary.write(bytes);
    temporary.commit(resolved);
}

#endif

}  // namespace

void writeFileAtomically(const fs::path& target, std::string_view bytes) {
    if (namesNoFile(target)) {
        fail(ErrorCode::BadFileNameOrNumber, target);
    }
    fs::path resolved = resolveLinks(target);
    std::optional<fs::perms> perms = existingFilePerms(resolved, target);
    if (perms) {
        refuseReadOnly(resolved, *perms, target);
    }
    writeResolved(resolved, target, bytes, perms);
}

void ignoreFileSizeSignal() {
#ifndef _WIN32
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace ledfont
