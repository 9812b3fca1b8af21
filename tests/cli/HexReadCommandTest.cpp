#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "font/FontText.h"
#include "hexout/HexRecords.h"

namespace ledfont::test {
namespace {

std::string hexOf(FontTables tables) {
    return hexout::buildHexText(tables);
}

// The font text "Save" writes for a random font of either kind, its HEX through `ledfont hex`, and back
// through `ledfont unhex`, with the kind found from the addresses.
TEST(LedfontUnhex, GivesBackTheFontFileOfTheHexOfRandomFonts) {
    TempFolder folder;
    for (std::uint32_t seed = 11; seed <= 14; ++seed) {
        const bool jukta = seed % 2 == 1;
        const std::string text = formatFontText(randomTables(seed, jukta));
        writeFile(folder / "font.txt", text);
        const std::string kind = jukta ? "jukta512" : "hindi";
        ASSERT_EQ(runLedfont({"hex", folder / "font.txt", "--kind", kind}).status, 0);
        expectRuns({
            {{"verify", folder / "font.txt", folder / "font.hex", "--kind", kind},
             0,
             "HEX matches " + (folder / "font.txt").string() +
                 (jukta ? ": 18432 bytes at 0xA100-0xE8FF\n" : ": 4352 bytes at 0x9000-0xA0FF\n"),
             ""},
            {{"unhex", folder / "font.hex", "-o", folder / "back.txt"},
             0,
             (folder / "back.txt").string() +
                 (jukta ? ": Jukta512 font from 0xA100-0xE8FF\n" : ": Hindi font from 0x9000-0xA0FF\n"),
             ""},
        });
        EXPECT_EQ(readFile(folder / "back.txt"), text) << seed;
    }
}

TEST(LedfontUnhex, ReadsARawDumpFromItsBaseAddress) {
    TempFolder folder;
    const FontTables font = randomTables(21, false);
    std::string image;
    for (int g = 0; g < 128; ++g) {
        for (int b = 0; b < kRecordBytes; ++b) {
            image += static_cast<char>(font.FontData(g, b));
        }
    }
    writeFile(folder / "chip.bin", std::string(0x1000, '\0') + image);
    RunResult run =
        runLedfont({"unhex", "--binary", folder / "chip.bin", "--base", "0x8000", "-o", folder / "f.txt"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, (folder / "f.txt").string() + ": Hindi font from 0x9000-0xA0FF\n");
    EXPECT_EQ(readFile(folder / "f.txt"), formatFontText(font));

    // A dump of a whole 64 KiB chip holds both kinds' regions: the kind is given, or the failure says how.
    std::string chip(0x10000, '\xFF');
    chip.replace(0x9000, image.size(), image);
    writeFile(folder / "whole.bin", chip);
    const std::vector<std::string> whole = {"unhex", "--binary", folder / "whole.bin", "--base", "0"};
    std::vector<std::string> failing = whole;
    failing.insert(failing.end(), {"-o", folder / "g.txt"});
    run = runLedfont(failing);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "The dump holds data for both kinds of font: at 0x9000-0xA0FF (Hindi) and at 0xA100-0xE8FF "
              "(Jukta512); give --kind hindi or --kind jukta512 to recover the font of one\n");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(folder / "g.txt")));
    std::vector<std::string> chosen = whole;
    chosen.insert(chosen.end(), {"--kind", "hindi", "-o", folder / "g.txt"});
    run = runLedfont(chosen);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(folder / "g.txt"), formatFontText(font));
}

TEST(LedfontVerify, ListsTheDifferencesOnStdoutAndExitsOne) {
    TempFolder folder;
    const FontTables font = patternTables(false);
    writeFile(folder / "font.txt", formatFontText(font));
    FontTables changed = font;
    changed.FontData.set(21, 9, 0xFF);
    writeFile(folder / "changed.hex", hexOf(changed));
    const std::string name = (folder / "font.txt").string();
    expectRuns({{{"verify", name, folder / "changed.hex"},
                 1,
                 "glyph 21 (Code: 0915) byte 9 (column 3, rows 8..15): font C5, HEX FF\n"
                 "HEX does not match " +
                     name + ": 1 difference\n",
                 "ledfont: " + name + ": read as Hindi (4352 values; give --kind to choose)\n"}});
}

TEST(LedfontHexRead, BadFilesFailWithOneLineAndWriteNothing) {
    TempFolder folder;
    const std::string hindi = hexOf(patternTables(false));
    writeFile(folder / "font.txt", formatFontText(patternTables(false)));
    writeFile(folder / "font.hex", hindi);
    writeFile(folder / "bad.hex", ":10A10000000000000000000000000000000000004E\n:00000001FF\n");
    writeFile(folder / "both.hex", ":10A10000000000000000000000000000000000004F\n" + hindi);
    const std::string font = folder / "font.txt";
    const std::string out = folder / "out.txt";
    expectFailures(
        folder,
        {
            {{"verify", font, folder / "bad.hex"}, "HEX line 1: checksum 4E, expected 4F"},
            {{"verify", font, folder / "none.hex"}, "File not found: " + (folder / "none.hex").string()},
            {{"unhex", folder / "bad.hex", "-o", out}, "HEX line 1: checksum 4E, expected 4F"},
            {{"unhex", folder / "both.hex", "-o", out},
             "HEX holds data for both kinds of font: at 0x9000-0xA0FF (Hindi) and at 0xA100-0xA10F "
             "(Jukta512); give --kind hindi or --kind jukta512 to recover the font of one"},
            {{"unhex", folder / "font.hex", "--kind", "jukta512", "-o", out},
             "HEX lacks 0xA100-0xE8FF of the Jukta512 font at 0xA100-0xE8FF"},
            {{"unhex", folder / "font.hex", "-o", folder / "font.hex"},
             "File already exists: " + (folder / "font.hex").string() +
                 " (the font file would replace the HEX file)"},
            {{"unhex", "--binary", folder / "none.bin", "--base", "0", "-o", out},
             "File not found: " + (folder / "none.bin").string()},
        });
}

}  // namespace
}  // namespace ledfont::test
