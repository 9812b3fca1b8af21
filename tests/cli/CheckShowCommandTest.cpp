#include <gtest/gtest.h>

#include <algorithm>

#include "CliTestSupport.h"
#include "font/FontText.h"

namespace ledfont::test {
namespace {

const std::string kHindi = LEDFONT_TEST_DATA "/cli/hindi.txt";

TEST(LedfontCheck, ReportsAGoodFont) {
    expectRuns({{{"check", kHindi},
                 0,
                 kHindi + ": Hindi font, 128 glyphs, 4352 values\n"
                          "summary: loads; widths 8..11; 127 Consonant, 0 Vowel, 1 Ikaar; 0 warnings\n"
                          "image: 4352 bytes at 0x9000-0xA0FF, CRC-32 0x1350E430\n",
                 "ledfont: " + kHindi + ": read as Hindi (4352 values; give --kind to choose)\n"}});
}

TEST(LedfontCheck, WarnsAboutValuesTheEditorCannotShowButLoads) {
    TempFolder folder;
    FontTables tables;
    tables.JuktaMode = true;
    tables.FontData.set(2, 0, 17);
    tables.FontData.set(4, 1, 0x35);
    tables.JuktaData.set(10, 1, 0x80);
    tables.JuktaData.set(511, 0, 0xFF);
    writeFile(folder / "font.txt", formatFontText(tables));
    expectRuns(
        {{{"check", folder / "font.txt", "--kind", "jukta512"},
          0,
          (folder / "font.txt").string() + ": Jukta512 font, 512 glyphs, 18432 values\n" +
              "summary: loads; widths 16..17; 511 Consonant, 0 Vowel, 0 Ikaar, 1 other; 5 warnings\n"
              "image: 18432 bytes at 0xA100-0xE8FF, CRC-32 0x7393DC32\n"
              "warning: width above 16 in 1 glyph: 2 (width 17)\n"
              "warning: kind other than Consonant, Vowel or Ikaar in 1 glyph: 4 (kind 3)\n"
              "warning: conjunct byte above 7F in 2 glyphs: 10 (conjunct 00 80), 511 (conjunct FF 00)\n" +
              std::string(kSolidFontComposition),
          ""}});
}

TEST(LedfontCheck, ReportsEveryProblemOfAFontThatDoesNotLoad) {
    TempFolder folder;
    writeFile(folder / "letters.txt", fontTextWith(FontKind::Hindi, 40, "abc"));
    writeFile(folder / "big.txt", fontTextWith(FontKind::Hindi, 0, "300"));
    writeFile(folder / "short.txt", "8,4\r\n1\r\n&HZZ\r\n300\r\n");
    auto header = [](const std::string& path) { return path + ": Hindi font, 128 glyphs, 4352 values\n"; };
    expectRuns({
        {{"check", folder / "letters.txt"},
         1,
         header(folder / "letters.txt") +
             "summary: does not load; 1 problem\nerror: Type mismatch: line 41, value \"abc\"\n",
         "Type mismatch: " + (folder / "letters.txt").string() + ", line 41, value \"abc\"\n"},
        {{"check", folder / "big.txt"},
         1,
         header(folder / "big.txt") +
             "summary: does not load; 1 problem\nerror: Overflow: line 1, value \"300\"\n",
         "Overflow: " + (folder / "big.txt").string() + ", line 1, value \"300\"\n"},
        {{"check", folder / "short.txt"},
         1,
         header(folder / "short.txt") +
             "summary: does not load; 2 problems\nerror: Type mismatch: line 3, value \"&HZZ\"\n"
             "error: Input past end of file: line 4 (found 5 of 4352 values)\n",
         "Input past end of file: " + (folder / "short.txt").string() +
             ", line 4 (found 5 of 4352 values)\n"},
        {{"check", folder / "none.txt"},
         1,
         header(folder / "none.txt") + "summary: does not load; 1 problem\nerror: File not found\n",
         "File not found: " + (folder / "none.txt").string() + "\n"},
    });
}

TEST(LedfontShow, DrawsTheChosenGlyphsInTheOrderGiven) {
    expectRuns({{{"show", kHindi, "--glyph", "0x15", "--glyph", "63"},
                 0,
                 readFile(LEDFONT_TEST_DATA "/cli/show-ka-i.txt"),
                 "ledfont: " + kHindi + ": read as Hindi (4352 values; give --kind to choose)\n"}});
}

TEST(LedfontShow, DrawsEveryGlyphWithoutGlyphOptions) {
    RunResult run = runLedfont({"show", kHindi});
    EXPECT_EQ(run.status, 0) << run.err;
    // 128 blocks of a header and 16 rows, separated by blank lines.
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 128 * 17 + 127);
    EXPECT_TRUE(run.out.starts_with("glyph 0  Code: 0900  width 8  Consonant  centre 4\n"));
    EXPECT_NE(run.out.find("\n\nglyph 127  Code: 097F  width 8  Consonant  centre 4\n"), std::string::npos);
}

TEST(LedfontShow, ShowsTheConjunctPairOfAJukta512Glyph) {
    TempFolder folder;
    writeFile(folder / "jukta.txt", formatFontText(patternTables(true, 1)));
    RunResult run = runLedfont({"show", folder / "jukta.txt", "--kind", "jukta512", "--glyph", "300"});
    EXPECT_EQ(run.status, 0) << run.err;
    // Record bytes 233 (width) and F0 (kind 15, no centre); pair bytes BB C0.
    EXPECT_TRUE(run.out.starts_with("glyph 300  Code: 12C  width 233  kind 15  no centre  conjunct BB C0\n"))
        << run.out;
}

TEST(LedfontShow, FailsWithOneLineWhenTheFontDoesNotLoad) {
    TempFolder folder;
    writeFile(folder / "letters.txt", fontTextWith(FontKind::Hindi, 4000, ""));
    expectRuns({
        {{"show", folder / "letters.txt", "--glyph", "0"},
         1,
         "",
         "Type mismatch: " + (folder / "letters.txt").string() + ", line 4001, value \"\"\n"},
        {{"show", kHindi, "--kind", "jukta512"},
         1,
         "",
         "Input past end of file: " + kHindi +
             ", line 4352 (found 4352 of 18432 values, as many as a Hindi font holds: --kind hindi reads "
             "it)\n"},
    });
}

}  // namespace
}  // namespace ledfont::test
