#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "CliTestSupport.h"
#include "font/FontText.h"
#include "hexout/HexRecords.h"

namespace ledfont::test {
namespace {

namespace fs = std::filesystem;

// The bytes the editor's export writes for these tables as they stand.
std::string exportOf(FontTables tables) {
    return hexout::buildHexText(tables);
}

TEST(LedfontHex, WritesTheExportOfTheLoadedFontForBothKinds) {
    for (bool jukta : {false, true}) {
        TempFolder folder;
        const FontTables font = patternTables(jukta);
        writeFile(folder / "font.txt", formatFontText(font));
        RunResult run = runLedfont({"hex", folder / "font.txt", "--kind", jukta ? "jukta512" : "hindi"});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, (folder / "font.hex").string() + "\n");
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(readFile(folder / "font.hex"), exportOf(font)) << (jukta ? "jukta512" : "hindi");
    }
}

// Without --kind, a file of 18432 values is read as the Jukta512 font it is.
TEST(LedfontHex, ReplacesAnExistingHexFileAndWritesNoOtherFile) {
    TempFolder folder;
    fs::create_directory(folder.path() / "out");
    writeFile(folder / "font.txt", formatFontText(patternTables(true)));
    writeFile(folder / "out/x.hex", "old");
    RunResult run = runLedfont({"hex", "-o", folder / "out/x.hex", folder / "font.txt"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, (folder / "out/x.hex").string() + "\n");
    const auto files = folder.snapshot();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[1], std::make_pair(std::string("out/x.hex"), exportOf(patternTables(true))));
}

TEST(LedfontHex, StopsReadingAfterTheValuesTheKindNeeds) {
    TempFolder folder;
    const std::string font = folder / "huge.txt";
    // A good start followed by garbage and then a hole of many gigabytes: reading on would fail on the
    // garbage and take far longer than the limit below.
    writeFile(font, formatFontText(patternTables(false)) + "garbage\r\n");
    std::error_code ec;
    fs::resize_file(font, std::uintmax_t{64} << 30, ec);
    if (ec) {
        GTEST_SKIP() << "no sparse 64 GiB file here: " << ec.message();
    }
    auto start = std::chrono::steady_clock::now();
    RunResult run = runLedfont({"hex", font});
    auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(folder / "huge.hex"), exportOf(patternTables(false)));
    EXPECT_LT(seconds, 10.0);
}

TEST(LedfontHex, NeverWritesOverTheFont) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need privileges on Windows";
#else
    TempFolder folder;
    const std::string text = formatFontText(patternTables(false));
    writeFile(folder / "font.txt", text);
    writeFile(folder / "font.hex", text);  // a font whose HEX name is itself
    fs::create_directory(folder.path() / "sub");
    fs::create_symlink(folder.path() / "font.txt", folder.path() / "link.txt");
    fs::create_hard_link(folder.path() / "font.txt", folder.path() / "hard.txt");
    std::vector<Failure> cases;
    for (const auto& [font, target] : {std::pair{"font.txt", "font.txt"},
                                       {"font.txt", "sub/../font.txt"},
                                       {"font.txt", "link.txt"},
                                       {"font.txt", "hard.txt"},
                                       {"link.txt", "font.txt"}}) {
        cases.push_back({{"hex", folder / font, "-o", folder / target},
                         "File already exists: " + (folder / target).string() +
                             " (the HEX file would replace the font file)"});
    }
    cases.push_back({{"hex", folder / "font.hex"},
                     "File already exists: " + (folder / "font.hex").string() +
                         " (the HEX file would replace the font file)"});
    expectFailures(folder, cases);
#endif
}

TEST(LedfontHex, BadInputOrFilesFailWithOneLineAndLeaveTheOutputAlone) {
    TempFolder folder;
    fs::create_directory(folder.path() / "sub");
    writeFile(folder / "good.txt", formatFontText(patternTables(false)));
    writeFile(folder / "letters.txt", fontTextWith(FontKind::Hindi, 40, "abc"));
    writeFile(folder / "big.txt", fontTextWith(FontKind::Hindi, 4351, "256"));
    writeFile(folder / "short.txt", "1\r\n2\r\n3\r\n");
    writeFile(folder / "out.hex", "keep me");
    const std::string out = folder / "out.hex";
    expectFailures(
        folder,
        {
            {{"hex", folder / "none.txt", "-o", out}, "File not found: " + (folder / "none.txt").string()},
            {{"hex", folder / "nodir/f.txt", "-o", out},
             "Path not found: " + (folder / "nodir/f.txt").string()},
            {{"hex", folder / "sub", "-o", out},
             "Path/File access error: " + (folder / "sub").string() + " (is a folder)"},
            {{"hex", folder / "letters.txt", "-o", out},
             "Type mismatch: " + (folder / "letters.txt").string() + ", line 41, value \"abc\""},
            {{"hex", folder / "big.txt", "-o", out},
             "Overflow: " + (folder / "big.txt").string() + ", line 4352, value \"256\""},
            {{"hex", folder / "short.txt", "-o", out},
             "Input past end of file: " + (folder / "short.txt").string() +
                 ", line 3 (found 3 of 4352 values)"},
            {{"hex", folder / "good.txt", "--kind", "jukta512", "-o", out},
             "Input past end of file: " + (folder / "good.txt").string() +
                 ", line 4352 (found 4352 of 18432 values, as many as a Hindi font holds: --kind hindi reads "
                 "it)"},
            {{"hex", folder / "good.txt", "-o", folder / "nodir/x.hex"},
             "Path not found: " + (folder / "nodir/x.hex").string()},
            {{"hex", folder / "good.txt", "-o", folder / "sub"},
             "Path/File access error: " + (folder / "sub").string() + " (is a folder)"},
        });
}

// The output is refused or fails part way: one line on stderr, exit 1, the old output and nothing else.
TEST(LedfontHex, AReadOnlyOutputOrAFileSizeLimitFailsAndKeepsTheOldOutput) {
    TempFolder folder;
    writeFile(folder / "font.txt", formatFontText(patternTables(true)));
    writeFile(folder / "font.hex", "keep me");
    fs::permissions(folder / "font.hex",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    expectFailures(folder,
                   {{{"hex", folder / "font.txt"}, "Permission denied: " + (folder / "font.hex").string()}});

#ifndef _WIN32  // no file-size limit on Windows
    fs::permissions(folder / "font.hex", fs::perms::owner_write, fs::perm_options::add);
    const auto before = folder.snapshot();
    // 4 KiB is less than the HEX of a Jukta512 font: without SIGXFSZ ignored the process would be killed.
    RunResult run = runLedfontWithFileSizeLimit({"hex", folder / "font.txt", "--kind", "jukta512"}, 4096);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Disk full: " + (folder / "font.hex").string() + "\n");
    EXPECT_EQ(folder.snapshot(), before);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"font.txt", "font.hex"}));
#endif
}

}  // namespace
}  // namespace ledfont::test
