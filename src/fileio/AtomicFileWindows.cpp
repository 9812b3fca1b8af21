// The Windows half of writeFileAtomically: the same steps with the Win32 calls that make them safe. The
// temporary is created only where no file stands (CREATE_NEW), flushed to the disk before it replaces the
// target, and renamed over the target with the rename itself written through. Windows has no unnamed files,
// so a writer killed part way leaves its temporary.

#ifndef NOMINMAX  // libstdc++ defines it already
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <string>

#include "fileio/AtomicFile.h"
#include "fileio/AtomicFileSteps.h"

namespace ledfont::fileio {

namespace detail {

namespace {

FileFailure failureFromWindows(DWORD err) {
    switch (err) {
        case ERROR_FILE_NOT_FOUND:
            return FileFailure::FileNotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_DIRECTORY:
            return FileFailure::PathNotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return FileFailure::PermissionDenied;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
        case ERROR_FILE_TOO_LARGE:
            return FileFailure::DiskFull;
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_FILENAME_EXCED_RANGE:
            return FileFailure::BadName;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return FileFailure::NameTaken;
        default:
            return FileFailure::DeviceError;
    }
}

[[noreturn]] void failWindows(const fs::path& target, DWORD err) {
    const FileFailure failure = failureFromWindows(err);
    fail(failure, target, failure == FileFailure::DeviceError ? "Windows error " + std::to_string(err) : "");
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
        fail(FileFailure::NameTaken, target_);
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

}  // namespace

// The read-only attribute is all Windows keeps of the permission bits, and the write bits checked before
// this step reflect it.
void refuseNoAccess(const fs::path&, const fs::path&) {}

// Windows has no FIFOs on disk, and its devices are no paths this program takes.
bool isStream(const fs::path&) {
    return false;
}

void writeStream(const fs::path& target, std::string_view) {
    fail(FileFailure::NotAFile, target);
}

// The new file keeps the other attributes a new file gets.
void writeResolved(const fs::path& resolved, const fs::path& target, std::string_view bytes, bool,
                   fs::perms) {
    TemporaryFile temporary(resolved, target);
    temporary.write(bytes);
    temporary.commit(resolved);
}

}  // namespace detail

void ignoreFileSizeSignal() {}

}  // namespace ledfont::fileio
