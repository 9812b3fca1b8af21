#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "CliTestSupport.h"
#include "font/FontText.h"
#include "hexout/HexRecords.h"

namespace ledfont::test {
namespace {

namespace fs = std::filesystem;

TEST(LedfontOutput, AFailedWriteToStdoutFailsTheRunWithItsDescription) {
#ifdef _WIN32
    GTEST_SKIP() << "no /dev/full on Windows";
#else
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    TempFolder folder;
    const std::string font = folder / "font.txt";
    writeFile(font, formatFontText(patternTables(false)));
    const std::vector<std::vector<std::string> > cases = {
        {"show", font, "--kind", "hindi"},
        {"show", font, "--kind", "hindi", "--glyph", "0"},
        {"check", font, "--kind", "hindi"},
        {"hex", font, "--kind", "hindi"},
        {"--help"},
    };
    for (const auto& args : cases) {
        const RunResult run = runLedfont(args, "/dev/full");
        EXPECT_EQ(run.status, 1) << args[0] << " " << args.size();
        EXPECT_EQ(run.err, "Disk full: standard output\n") << args[0] << " " << args.size();
    }
    // Only the names are lost: the file is whole, as the documentation says.
    EXPECT_EQ(readFile(folder / "font.hex"), hexout::buildHexText(patternTables(false)));
#endif
}

// -o - puts the output on stdout and the lines beside it on stderr; a device is written as it stands; a
// folder is said to be one.
TEST(LedfontOutput, DashIsStandardOutputAndAFolderIsNamedSo) {
    TempFolder folder;
    const std::string font = folder / "font.txt";
    writeFile(font, formatFontText(patternTables(false)));
    fs::create_directory(folder / "dir");
    expectRuns(
        {{{"hex", font, "--kind", "hindi", "-o", "-"}, 0, hexout::buildHexText(patternTables(false)), ""},
         {{"hex", font, "--kind", "hindi", "-o", folder / "dir"},
          1,
          "",
          "Path/File access error: " + (folder / "dir").string() + " (is a folder)\n"}});
    EXPECT_TRUE(runLedfont({"export", font, "--kind", "hindi", "--format", "bin", "-o", "-"})
                    .err.starts_with("image: 4352 bytes at 0x9000-0xA0FF"));
    EXPECT_EQ(runLedfont({"export", font, "--format", "c", "-o", "-"}).status, 2);
#ifndef _WIN32
    EXPECT_EQ(runLedfont({"hex", font, "--kind", "hindi", "-o", "/dev/stdout"}, "/dev/null").status, 0);
#endif
    EXPECT_EQ(folder.names(), (std::set<std::string>{"font.txt", "dir"}));
}

// No byte below 0x20 but the line ends, and no DEL.
[[maybe_unused]] bool holdsNoControlByte(const std::string& text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && b != '\n') || b == 0x7F;
    });
}

TEST(LedfontOutput, PathsWithLineEndsAndEscapeSequencesStayOneEscapedLine) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows file names cannot hold control characters";
#else
    TempFolder folder;
    const std::string name = "a\nb\x1b[31m";
    const std::string shown = (folder.path() / "a\\x0Ab\\x1B[31m").string();
    const std::string good = folder / (name + "good.txt");
    const std::string bad = folder / (name + "bad.txt");
    writeFile(good, formatFontText(patternTables(false)));
    writeFile(bad, fontTextWith(FontKind::Hindi, 40, "abc"));
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"hex", folder / (name + "none.txt")}, "File not found: " + shown + "none.txt\n"},
        {{"hex", bad}, "Type mismatch: " + shown + "bad.txt, line 41, value \"abc\"\n"},
        {{"check", bad}, "Type mismatch: " + shown + "bad.txt, line 41, value \"abc\"\n"},
        {{"show", good, "--glyph", "0"},
         "ledfont: " + shown + "good.txt: read as Hindi (4352 values; give --kind to choose)\n"},
        {{"hex", good, "--kind", "hindi", "-o", folder / (name + ".hex")}, ""},
        {{"show", good, "-x\x1b[2J"}, "ledfont: show does not take \"-x\\x1B[2J\"\n"},
    };
    for (const auto& c : cases) {
        const RunResult run = runLedfont(c.args);
        const std::size_t usage = run.err.find("\nusage:");
        EXPECT_EQ(usage == std::string::npos ? run.err : run.err.substr(0, usage + 1), c.err);
        EXPECT_TRUE(holdsNoControlByte(run.out)) << run.out;
    }
#endif
}

}  // namespace
}  // namespace ledfont::test
