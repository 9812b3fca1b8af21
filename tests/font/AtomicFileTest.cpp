#include "font/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <memory>
#include <string>

#include "font/Error.h"
#include "font/FontText.h"
#include "support/TestFiles.h"

namespace ledfont {
namespace {

namespace fs = std::filesystem;

ErrorCode writeError(const fs::path& target, std::string_view bytes) {
    try {
        writeFileAtomically(target, bytes);
    } catch (const Error& e) {
        EXPECT_EQ(e.place().path, target.string());
        return e.code();
    }
    ADD_FAILURE() << "wrote " << target;
    return ErrorCode::DeviceIOError;
}

TEST(AtomicFile, CreatesAndReplacesLeavingNothingElse) {
    test::TempFolder folder;
    writeFileAtomically(folder / "a.txt", "first\r\n");
    EXPECT_EQ(test::readFile(folder / "a.txt"), "first\r\n");
    writeFileAtomically(folder / "a.txt", "second");
    EXPECT_EQ(test::readFile(folder / "a.txt"), "second");
    writeFileAtomically(folder / "a.txt", "");
    EXPECT_EQ(test::readFile(folder / "a.txt"), "");
    EXPECT_EQ(folder.names(), std::set<std::string>{"a.txt"});
}

TEST(AtomicFile, KeepsThePermissionBitsOfAnExistingFile) {
    test::TempFolder folder;
    test::writeFile(folder / "a.txt", "old");
    fs::permissions(folder / "a.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    writeFileAtomically(folder / "a.txt", "new");
    EXPECT_EQ(fs::status(folder / "a.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(AtomicFile, KeepsTheOwnerOfAnotherUsersFile) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the superuser can give a file to another user";
    }
    test::TempFolder folder;
    test::writeFile(folder / "a.txt", "old");
    ASSERT_EQ(::chown((folder / "a.txt").c_str(), 4321, 4322), 0);
    writeFileAtomically(folder / "a.txt", "new");
    struct stat after {};
    ASSERT_EQ(::stat((folder / "a.txt").c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, 4321u);
    EXPECT_EQ(after.st_gid, 4322u);
}

TEST(AtomicFile, UnusableTargetsFailAndChangeNothing) {
    test::TempFolder folder;
    test::writeFile(folder / "plain", "old");
    fs::create_directory(folder / "dir");
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    fs::create_symlink("dir", folder / "link-to-dir");
    fs::create_symlink("b", folder / "a");
    fs::create_symlink("a", folder / "b");
    const std::pair<fs::path, ErrorCode> cases[] = {
        {folder / "nowhere" / "a.txt", ErrorCode::PathNotFound},
        {folder / "plain" / "a.txt", ErrorCode::PathNotFound},
        {folder / "dir", ErrorCode::PathFileAccessError},
        {folder / "pipe", ErrorCode::PathFileAccessError},
        {folder / "link-to-dir", ErrorCode::PathFileAccessError},
        {folder / "a", ErrorCode::BadFileNameOrNumber},  // a link loop
        {fs::path(), ErrorCode::BadFileNameOrNumber},
        // Cut at the NUL the name would be another file's, "c" here.
        {folder / std::string("c\0d", 3), ErrorCode::BadFileNameOrNumber},
    };
    for (const auto& [target, code] : cases) {
        EXPECT_EQ(writeError(target, "x"), code) << target;
    }
    EXPECT_EQ(test::readFile(folder / "plain"), "old");
    EXPECT_TRUE(fs::is_empty(folder / "dir"));
    EXPECT_EQ(folder.names(), (std::set<std::string>{"plain", "dir", "pipe", "link-to-dir", "a", "b"}));
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(folder / "pipe")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "link-to-dir")));
}

TEST(AtomicFile, WritesThroughSymbolicLinks) {
    test::TempFolder folder;
    fs::create_directory(folder / "fonts");
    test::writeFile(folder / "fonts" / "real.txt", "old");
    fs::create_symlink("fonts/real.txt", folder / "link.txt");
    fs::create_symlink("link.txt", folder / "link2.txt");
    fs::create_symlink("fonts/new.txt", folder / "dangling.txt");

    writeFileAtomically(folder / "link2.txt", "through two links");
    EXPECT_EQ(test::readFile(folder / "fonts" / "real.txt"), "through two links");
    writeFileAtomically(folder / "dangling.txt", "created");
    EXPECT_EQ(test::readFile(folder / "fonts" / "new.txt"), "created");

    for (const char* link : {"link.txt", "link2.txt", "dangling.txt"}) {
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / link))) << link;
    }
    EXPECT_EQ(test::namesIn(folder / "fonts"), (std::set<std::string>{"real.txt", "new.txt"}));
}

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

TEST(AtomicFile, SaveFailingPartWayLeavesTheOldFileAndNoTemporary) {
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
}

}  // namespace
}  // namespace ledfont
