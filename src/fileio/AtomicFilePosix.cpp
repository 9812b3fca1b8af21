// The POSIX half of writeFileAtomically.

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <string>
#include <utility>

#include "fileio/AtomicFile.h"
#include "fileio/AtomicFileSteps.h"

namespace ledfont::fileio {

namespace detail {

namespace {

// Opening the temporary failed: a missing folder is what the user needs to hear about.
[[noreturn]] void failToOpen(int err, const fs::path& target) {
    if (err == ENOENT || err == ENOTDIR) {
        fail(FileFailure::PathNotFound, target);
    }
    failWithErrno(err, target);
}

// Holds back, while it lives, the signals that end a program (SIGINT, SIGTERM, SIGHUP, SIGQUIT) in the
// calling thread; one that arrived meanwhile is delivered when it ends.
class SignalsHeld {
  public:
    SignalsHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
            sigaddset(&held, signal);
        }
        active_ = ::pthread_sigmask(SIG_BLOCK, &held, &before_) == 0;
    }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;
    ~SignalsHeld() {
        if (active_) {
            ::pthread_sigmask(SIG_SETMASK, &before_, nullptr);
        }
    }

  private:
    sigset_t before_{};
    bool active_ = false;
};

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
                failToOpen(errno, target_);
            }
            if (fd_ >= 0) {
                ::close(fd_);
                fd_ = -1;
            }
        }
        path_.clear();
        fail(FileFailure::NameTaken, target_);
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
                failWithErrno(n < 0 ? errno : ENOSPC, target_);
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
                failWithErrno(errno, target_);
            }
        }
    }

    void setPermissions(fs::perms perms) {
        if (::fchmod(fd_, static_cast<mode_t>(perms)) != 0) {
            failWithErrno(errno, target_);
        }
    }

    // Flushes and renames over `resolved`; from here on the temporary is the target. `replacing` says
    // whether a target stood there when the write began.
    void commit(const fs::path& resolved, bool replacing) {
        if (::fsync(fd_) != 0) {
            failWithErrno(errno, target_);
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
            failWithErrno(errno, target_);
        }
    }

    void commitUnnamed(const fs::path& resolved, bool replacing) {
        // A new target is named at once: no moment with a temporary name at all.
        if (!replacing && linkTo(resolved)) {
            return;
        }
        if (!replacing && errno != EEXIST) {
            failWithErrno(errno, target_);
        }
        // A link cannot replace a file, so the content takes a temporary name and is renamed over the target
        // right away. The signals that end a program wait for the rename, so only SIGKILL between these
        // two calls leaves the temporary behind (for the next write of the target to remove).
        const SignalsHeld held;
        for (int i = 0; i < kMaxNameTries; ++i) {
            fs::path name = temporaryName(resolved, random_);
            if (linkTo(name)) {
                path_ = std::move(name);
                if (::rename(path_.c_str(), resolved.c_str()) != 0) {
                    failWithErrno(errno, target_);
                }
                return;
            }
            if (errno != EEXIST) {
                failWithErrno(errno, target_);
            }
        }
        fail(FileFailure::NameTaken, target_);
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

}  // namespace

bool isStream(const fs::path& target) {
    struct stat info {};
    return ::stat(target.c_str(), &info) == 0 && (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode));
}

void writeStream(const fs::path& target, std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0 && errno == ENXIO) {
        fail(FileFailure::DeviceError, target, "no program reads from the pipe");
    }
    if (fd < 0) {
        failWithErrno(errno, target);
    }
    // Blocking again, so that a full pipe waits for its reader rather than failing.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) {
        (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            ::close(fd);
            failWithErrno(err, target);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    if (::close(fd) != 0 && errno != EINTR) {
        failWithErrno(errno, target);
    }
}

void refuseNoAccess(const fs::path& resolved, const fs::path& target) {
    if (::faccessat(AT_FDCWD, resolved.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES) {
        fail(FileFailure::PermissionDenied, target);
    }
}

void writeResolved(const fs::path& resolved, const fs::path& target, std::string_view bytes, bool existing,
                   fs::perms perms) {
    {
        TemporaryFile temporary(resolved, target);
        temporary.write(bytes);
        if (existing) {
            temporary.keepOwner(resolved);
            temporary.setPermissions(perms & fs::perms::mask);
        }
        temporary.commit(resolved, existing);
    }
    removeDeadTemporaries(resolved);
}

}  // namespace detail

void ignoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace ledfont::fileio
