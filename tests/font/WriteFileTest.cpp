#include "font/WriteFile.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif
#ifndef _WIN32
#include <sys/wait.h>
#endif
#ifndef _WIN32
#include <unistd.h>
#endif

#include <cerrno>
#include <csignal>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "fileio/FileError.h"
#include "font/Error.h"
#include "font/FontPath.h"
#include "font/FontText.h"
#include "support/ErrorOf.h"
#include "support/TestFiles.h"

namespace ledfont {
namespace {

namespace fs = std::filesystem;

// The writer's failures reach the user as the core's errors, with the conventional text and the path.
TEST(WriteFile, FailuresAreTheCoresErrorsWithThePath) {
    test::TempFolder folder;
    fs::create_directory(folder / "dir");
    const std::string missing = (folder / "nowhere" / "a.txt").string();
    const std::string dir = (folder / "dir").string();
    const std::vector<std::tuple<std::string, ErrorCode, std::string>> cases = {
        {missing, ErrorCode::PathNotFound, "Path not found: " + missing},
        {dir, ErrorCode::PathFileAccessError, "Path/File access error: " + dir},
        {"", ErrorCode::BadFileNameOrNumber, "Bad file name or number"},
    };
    for (const auto& [target, code, message] : cases) {
        const Error e =
            test::errorOf([&, &target = target] { writeFileAtomically(pathFromUtf8(target), "x"); });
        EXPECT_EQ(e.code(), code) << target;
        EXPECT_EQ(e.place().path, target);
        EXPECT_STREQ(e.what(), message.c_str());
    }
}

// Every failure the writer knows has its code, and errno values mean what they meant before the writer had
// its own failures.
TEST(WriteFile, EveryFailureHasItsCode) {
    using fileio::FileFailure;
    const std::vector<std::pair<FileFailure, ErrorCode>> failures = {
        {FileFailure::BadName, ErrorCode::BadFileNameOrNumber},
        {FileFailure::FileNotFound, ErrorCode::FileNotFound},
        {FileFailure::PathNotFound, ErrorCode::PathNotFound},
        {FileFailure::PermissionDenied, ErrorCode::PermissionDenied},
        {FileFailure::NotAFile, ErrorCode::PathFileAccessError},
        {FileFailure::DiskFull, ErrorCode::DiskFull},
        {FileFailure::NameTaken, ErrorCode::FileAlreadyExists},
        {FileFailure::DeviceError, ErrorCode::DeviceIOError},
    };
    for (const auto& [failure, code] : failures) {
        EXPECT_EQ(errorFromFileFailure(failure), code) << static_cast<int>(failure);
    }
    const std::vector<std::pair<int, ErrorCode>> errnos = {
        {ENOENT, ErrorCode::FileNotFound},
        {ENOTDIR, ErrorCode::PathNotFound},
        {EACCES, ErrorCode::PermissionDenied},
        {EPERM, ErrorCode::PermissionDenied},
        {EROFS, ErrorCode::PermissionDenied},
        {EISDIR, ErrorCode::PathFileAccessError},
        {ENOSPC, ErrorCode::DiskFull},
        {EFBIG, ErrorCode::DiskFull},
        {ENAMETOOLONG, ErrorCode::BadFileNameOrNumber},
        {EINVAL, ErrorCode::BadFileNameOrNumber},
        {ELOOP, ErrorCode::BadFileNameOrNumber},
        {EIO, ErrorCode::DeviceIOError},
    };
    for (const auto& [err, code] : errnos) {
        EXPECT_EQ(errorFromErrno(err), code) << err;
    }
}

#ifndef _WIN32
// Runs `save` in a child process whose files may not grow beyond `limit` bytes; the write then fails part
// way with EFBIG, as on a full disk. Returns the child's exit status: 0 when it saw DiskFull, 1 when the save
// went through, 2 on another error.
int saveUnderFileSizeLimit(rlim_t limit, const std::function<void()>& save) {
    pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &small);
        int status = 3;
        try {
            save();
            status = 1;
        } catch (const Error& e) {
            status = e.code() == ErrorCode::DiskFull ? 0 : 2;
        }
        ::_exit(status);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

#endif

TEST(WriteFile, SaveFailingPartWayLeavesTheOldFileAndNoTemporary) {
#ifdef _WIN32
    GTEST_SKIP() << "needs fork and RLIMIT_FSIZE";
#else
    test::TempFolder folder;
    const std::string old = "1\r\n2\r\n3\r\n";
    test::writeFile(folder / "font.txt", old);
    auto font = std::make_unique<FontTables>();
    font->JuktaMode = true;
    font->FontData.set(0, 0, 200);

    EXPECT_EQ(saveUnderFileSizeLimit(4096, [&] { saveFontFile(folder / "font.txt", *font); }), 0);
    EXPECT_EQ(test::readFile(folder / "font.txt"), old);
    EXPECT_EQ(folder.names(), std::set<std::string>{"font.txt"});

    // The same save without the limit goes through, so it was the limit that stopped it.
    EXPECT_EQ(saveUnderFileSizeLimit(RLIM_INFINITY, [&] { saveFontFile(folder / "font.txt", *font); }), 1);
    EXPECT_EQ(test::readFile(folder / "font.txt"), formatFontText(*font));
#endif
}

}  // namespace
}  // namespace ledfont
