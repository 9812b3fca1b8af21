#include "hexout/HexFile.h"

#include <gtest/gtest.h>

#include "support/ErrorOf.h"

#include "HexTestSupport.h"
#include "font/Error.h"
#include "hexout/HexRecords.h"

namespace ledfont::hexout {
namespace {

namespace fs = std::filesystem;

TEST(HexFileName, ReplacesTheExtensionOfTheFileName) {
    const std::pair<const char*, const char*> cases[] = {
        {"hindi.txt", "hindi.hex"},
        {"font.text", "font.hex"},
        {"font.c", "font.hex"},
        {"font", "font.hex"},
        {"font.", "font.hex"},
        {"font.hex", "font.hex"},
        {"font.tar.txt", "font.tar.hex"},
        {"/a.b/font", "/a.b/font.hex"},
        {"/a.b/font.dat", "/a.b/font.hex"},
        {"/home/me/fonts/hindi.txt", "/home/me/fonts/hindi.hex"},
        {"C:\\fonts\\a.txt", "C:\\fonts\\a.hex"},
        {"C:\\my.fonts\\a", "C:\\my.fonts\\a.hex"},
        {"d:/mixed.dir\\sub/f.fnt", "d:/mixed.dir\\sub/f.hex"},
        {".profile", ".profile.hex"},
        {"/x/.profile", "/x/.profile.hex"},
        {"..font", "..font.hex"},
        {"..x.abc", "..x.hex"},
        {".profile.txt", ".profile.hex"},
    };
    for (auto [font, hex] : cases) {
        EXPECT_EQ(hexFileName(font), hex) << font;
    }
}

TEST(HexFileName, PathsWithoutAFileNameAreRefused) {
    for (const char* font : {"", "/", "fonts/", "C:\\fonts\\", ".", "/x/..", "..."}) {
        const Error e = test::errorOf([&] { (void)hexFileName(font); });
        EXPECT_EQ(e.code(), ErrorCode::BadFileNameOrNumber) << font;
        EXPECT_EQ(e.place().path, font);
    }
}

TEST(WriteHexFile, WritesTheTextBesideTheFontFileAndReplacesAnOldOne) {
    test::TempFolder folder;
    fs::path font = folder.path() / "hindi.txt";
    test::writeFile(font, "font\r\n");
    test::writeFile(folder.path() / "hindi.hex", std::string(100000, 'x'));
    for (bool jukta : {false, true}) {
        FontTables tables = test::randomTables(21, jukta);
        tables.FontFile = font.string();
        FontTables copy = tables;
        EXPECT_EQ(writeHexFile(tables), folder.path() / "hindi.hex");
        EXPECT_EQ(test::readFile(folder.path() / "hindi.hex"), buildHexText(copy));
        EXPECT_EQ(tables, copy);
        EXPECT_EQ(folder.names(), (std::set<std::string>{"hindi.hex", "hindi.txt"}));
    }
}

TEST(WriteHexFile, RefusesToReplaceTheFontFileItself) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need privileges on Windows";
#else
    test::TempFolder folder;
    const std::string content = "8\r\n4\r\n";
    test::writeFile(folder.path() / "font.hex", content);
    test::writeFile(folder.path() / "link.txt", content);
    fs::create_symlink("link.txt", folder.path() / "link.hex");
    for (const char* name : {"font.hex", "link.txt"}) {
        FontTables tables = test::randomTables(4, false);
        tables.FontFile = (folder.path() / name).string();
        std::string hex = hexFileName(tables.FontFile);
        const Error e = test::errorOf([&] { (void)writeHexFile(tables); });
        EXPECT_EQ(e.code(), ErrorCode::FileAlreadyExists);
        EXPECT_EQ(e.place().path, hex);
        EXPECT_NE(std::string(e.what()).find("replace the font file"), std::string::npos) << e.what();
        EXPECT_EQ(test::readFile(tables.FontFile), content);
    }
    EXPECT_TRUE(fs::is_symlink(folder.path() / "link.hex"));
    EXPECT_EQ(folder.names(), (std::set<std::string>{"font.hex", "link.hex", "link.txt"}));
#endif
}

TEST(WriteHexFile, FailuresLeaveNothingBehind) {
    test::TempFolder folder;
    // A HEX name taken by a folder: the rename fails after the temporary was written.
    fs::create_directory(folder.path() / "busy.hex");
    test::writeFile(folder.path() / "busy.hex" / "keep", "k");
    const struct {
        fs::path font;
        fs::path hex;
    } cases[] = {
        {folder.path() / "missing" / "font.txt", folder.path() / "missing" / "font.hex"},
        {folder.path() / "busy.txt", folder.path() / "busy.hex"},
    };
    for (const auto& c : cases) {
        FontTables tables = test::randomTables(9, true);
        tables.FontFile = c.font.string();
        const Error e = test::errorOf([&] { (void)writeHexFile(tables); });
        EXPECT_EQ(e.place().path, c.hex.string());
        EXPECT_NE(std::string(e.what()).find(c.hex.string()), std::string::npos) << e.what();
    }
    EXPECT_EQ(folder.names(), std::set<std::string>{"busy.hex"});
    EXPECT_EQ(test::readFile(folder.path() / "busy.hex" / "keep"), "k");
}

}  // namespace
}  // namespace ledfont::hexout
