#ifndef _WIN32
#include <fcntl.h>
#endif
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif
#ifndef _WIN32
#include <unistd.h>
#endif
#include "support/ErrorOf.h"

#include <fstream>
#include <random>
#include <string>

#include "font/Error.h"
#include "font/FieldReader.h"
#include "font/FontText.h"
#include "support/PatternTables.h"
#include "support/TestFiles.h"

namespace ledfont {
namespace {

namespace fs = std::filesystem;

TEST(FontFile, SavedFileLoadsBack) {
    test::TempFolder folder;
    for (bool juktaMode : {false, true}) {
        const FontTables font = test::patternTables(juktaMode);
        saveFontFile(folder / "font.txt", font);
        EXPECT_EQ(test::readFile(folder / "font.txt"), formatFontText(font));
        FontTables loaded;
        loaded.JuktaMode = juktaMode;
        storeFontValues(loaded, kindOf(juktaMode), readFontFile(folder / "font.txt", kindOf(juktaMode)));
        EXPECT_EQ(formatFontText(loaded), formatFontText(font));
    }
    EXPECT_EQ(folder.names(), std::set<std::string>{"font.txt"});
}

TEST(FontFile, OpeningFailuresNameThePath) {
#ifdef _WIN32
    GTEST_SKIP() << "FIFOs are POSIX";
#else
    test::TempFolder folder;
    fs::create_directory(folder / "sub");
    test::writeFile(folder / "plain", "1");
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    // A whole font and more than a buffer after it wait in the pipe, so a reader that wrongly opened it would
    // load it instead of blocking.
    int pipeEnd = ::open((folder / "pipe").c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(pipeEnd, 0);
    const std::string pipeFont =
        formatFontText(FontTables{}) + std::string(2 * FieldReader::kBufferSize, ',');
    ASSERT_EQ(::write(pipeEnd, pipeFont.data(), pipeFont.size()), static_cast<ssize_t>(pipeFont.size()));
    struct Case {
        const char* name;
        fs::path path;
        ErrorCode code;
    };
    const Case cases[] = {
        {"missing file", folder / "missing.txt", ErrorCode::FileNotFound},
        {"missing folder", folder / "nowhere" / "font.txt", ErrorCode::PathNotFound},
        {"file used as a folder", folder / "plain" / "font.txt", ErrorCode::PathNotFound},
        {"folder as the file", folder / "sub", ErrorCode::PathFileAccessError},
        {"pipe as the file", folder / "pipe", ErrorCode::PathFileAccessError},
        {"empty name", fs::path(), ErrorCode::BadFileNameOrNumber},
        {"NUL in the name", fs::path(std::string("a\0b", 3)), ErrorCode::BadFileNameOrNumber},
    };
    for (const Case& c : cases) {
        const Error e = test::errorOf([&] { readFontFile(c.path, FontKind::Hindi); });
        EXPECT_EQ(e.code(), c.code) << c.name << ": " << e.what();
        EXPECT_EQ(e.place().path, c.path.string()) << c.name;
    }
    ::close(pipeEnd);
#endif
}

TEST(FontFile, ReadErrorsCarryPathAndLine) {
    test::TempFolder folder;
    test::writeFile(folder / "short.txt", "1\r\n2\r\n");
    const Error e = test::errorOf([&] { readFontFile(folder / "short.txt", FontKind::Hindi); });
    EXPECT_EQ(e.code(), ErrorCode::InputPastEndOfFile);
    EXPECT_EQ(std::string(e.what()), "Input past end of file: " + (folder / "short.txt").string() +
                                         ", line 2 (found 2 of 4352 values)");
}

TEST(FontFile, HugeSparseFileWithAGoodStartLoadsFromItsStart) {
#ifdef _WIN32
    GTEST_SKIP() << "ftruncate to a sparse file is POSIX";
#else
    test::TempFolder folder;
    const std::string text = formatFontText(test::patternTables(true));
    const fs::path path = folder / "huge.txt";
    test::writeFile(path, text);
    {
        int fd = ::open(path.c_str(), O_WRONLY);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t{2} * 1024 * 1024 * 1024), 0);
        ::close(fd);
    }
    ASSERT_EQ(fs::file_size(path), 2ull * 1024 * 1024 * 1024);

    for (FontKind kind : {FontKind::Hindi, FontKind::Jukta512}) {
        std::ifstream in(path, std::ios::binary);
        bool more = false;
        std::vector<std::uint8_t> values = readFontValues(in, kind, more);
        EXPECT_TRUE(more);
        EXPECT_EQ(values.size(), static_cast<std::size_t>(valueCount(kind)));
        EXPECT_LE(static_cast<std::size_t>(in.tellg()), text.size() + FieldReader::kBufferSize);
        EXPECT_EQ(readFontFile(path, kind), values);
    }
#endif
}

// Counting and reading go through one open, each from the start of the file.
TEST(FontFile, OpenFontFileCountsAndReadsFromOneOpening) {
    test::TempFolder folder;
    test::writeFile(folder / "font.txt", formatFontText(FontTables{}) + "1\r\n");
    OpenFontFile file(folder / "font.txt");
    bool moreFollow = false;
    EXPECT_EQ(file.countFields(5000), 4353u);
    EXPECT_EQ(file.readValues(FontKind::Hindi, moreFollow).size(), 4352u);
    EXPECT_TRUE(moreFollow);
}

}  // namespace
}  // namespace ledfont
