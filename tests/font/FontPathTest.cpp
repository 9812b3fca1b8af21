#include "font/FontPath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "support/TestFiles.h"

namespace ledfont {
namespace {

TEST(JoinFolderFile, SeparatorIsNeverDoubled) {
    struct Case {
        const char* folder;
        const char* name;
        char separator;
        const char* path;
    };
    const Case cases[] = {
        {"C:\\", "a.txt", '\\', "C:\\a.txt"},
        {"C:\\fonts", "a.txt", '\\', "C:\\fonts\\a.txt"},
        {"C:\\fonts\\", "a.txt", '\\', "C:\\fonts\\a.txt"},
        {"/", "a.txt", '/', "/a.txt"},
        {"/", "x", '/', "/x"},
        {"/home/u/fonts", "hindi.txt", '/', "/home/u/fonts/hindi.txt"},
        {"/home/u/fonts/", "noext", '/', "/home/u/fonts/noext"},
        // A slash is an ordinary character where the separator is a backslash.
        {"C:/", "a.txt", '\\', "C:/\\a.txt"},
        {"", "a.txt", '/', "a.txt"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(joinFolderFile(c.folder, c.name, c.separator), c.path) << c.folder << " + " << c.name;
    }
}

TEST(SameFile, OneFileUnderEveryNameButNeverTwoFiles) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need privileges on Windows";
#else
    test::TempFolder folder;
    test::writeFile(folder / "a.txt", "1");
    test::writeFile(folder / "b.txt", "1");
    std::filesystem::create_directory(folder / "sub");
    std::filesystem::create_symlink(folder / "a.txt", folder / "link.txt");
    std::filesystem::create_hard_link(folder / "a.txt", folder / "hard.txt");
    const auto in = [&](const char* name) { return (folder / name).string(); };
    const std::tuple<std::string, std::string, bool> cases[] = {
        {in("a.txt"), in("a.txt"), true},
        {in("a.txt"), in("link.txt"), true},
        {in("a.txt"), in("hard.txt"), true},
        {in("a.txt"), in("sub/../a.txt"), true},
        {in("new.txt"), in("sub/../new.txt"), true},  // not there yet, but the same place
        {in("a.txt"), in("b.txt"), false},
        {in("a.txt"), in("a.hex"), false},
        {in("new.txt"), in("sub/new.txt"), false},
    };
    for (const auto& [a, b, same] : cases) {
        EXPECT_EQ(sameFile(a, b), same) << a << " and " << b;
    }
#endif
}

TEST(FolderReadError, OnlyForAMissingFolder) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder / "sub");
    test::writeFile(folder / "file.txt", "1\r\n");
    EXPECT_FALSE(folderReadError(folder.path()).has_value());
    EXPECT_FALSE(folderReadError(folder / "sub").has_value());
    const std::filesystem::path paths[] = {folder / "gone", folder / "file.txt", folder / "gone" / "deeper"};
    for (const auto& path : paths) {
        const auto error = folderReadError(path);
        ASSERT_TRUE(error.has_value()) << path;
        EXPECT_EQ(error->place().path, path.string());
        EXPECT_EQ(std::string(error->what()), "Path not found: " + path.string());
    }
}

}  // namespace
}  // namespace ledfont
