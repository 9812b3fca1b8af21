#include "font/FontPath.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST(JoinFolderFile, PlatformSeparator) {
#ifdef _WIN32
    EXPECT_EQ(kPathSeparator, '\\');
#else
    EXPECT_EQ(kPathSeparator, '/');
#endif
}

TEST(FileLabelText, PrefixesTheFontFile) {
    EXPECT_EQ(fileLabelText("C:\\a.txt"), "File : C:\\a.txt");
    EXPECT_EQ(fileLabelText("/home/u/fonts/hindi.txt"), "File : /home/u/fonts/hindi.txt");
}

class FolderReadError : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(root_ / "sub");
        test::writeFile(root_ / "file.txt", "1\r\n");
    }

    test::TempFolder folder_;
    const std::filesystem::path& root_ = folder_.path();
};

TEST_F(FolderReadError, ReadableFolderHasNone) {
    EXPECT_FALSE(folderReadError(root_).has_value());
    EXPECT_FALSE(folderReadError(root_ / "sub").has_value());
}

TEST_F(FolderReadError, MissingFolderOrFileIsPathNotFound) {
    for (const auto& path : {root_ / "gone", root_ / "file.txt", root_ / "gone" / "deeper"}) {
        const auto error = folderReadError(path);
        ASSERT_TRUE(error.has_value()) << path;
        EXPECT_EQ(error->code(), ErrorCode::PathNotFound) << path;
        EXPECT_EQ(error->place().path, path.string());
        EXPECT_EQ(std::string(error->what()), "Path not found: " + path.string());
    }
}

}  // namespace
}  // namespace ledfont
