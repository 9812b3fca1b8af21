#include <gtest/gtest.h>

#include <cstdint>

#include "../import/ImportData.h"
#include "CliTestSupport.h"
#include "compose/Compose.h"
#include "compose/CompositionCheck.h"
#include "compose/Png.h"
#include "compose/Sheet.h"
#include "compose/Warnings.h"
#include "font/FontText.h"
#include "support/RowGlyph.h"

namespace ledfont::test {
namespace {

// KA 4 columns on row 0, NA 3 on row 1, SSA 5 on row 2, the vowel sign E 2 on row 3 (centre column 0), the
// virama 1 on row 4; in a Jukta512 font the conjunct KA-SSA, 6 columns on row 6. Every other glyph is dark.
FontTables smallFont(FontKind kind) {
    FontTables tables;
    tables.JuktaMode = kind == FontKind::Jukta512;
    const Glyph dark = rowGlyph(8, GlyphKind::Consonant, 4, 0, 0);
    for (int g = 0; g < glyphCount(kind); ++g) {
        setGlyph(tables, g, dark, false);
    }
    setGlyph(tables, 0x15, rowGlyph(4, GlyphKind::Consonant, 2, 0, 4), false);
    setGlyph(tables, 0x28, rowGlyph(3, GlyphKind::Consonant, 2, 1, 3), false);
    setGlyph(tables, 0x37, rowGlyph(5, GlyphKind::Consonant, 3, 2, 5), false);
    setGlyph(tables, 0x47, rowGlyph(2, GlyphKind::Vowel, 1, 3, 2), false);
    setGlyph(tables, 0x4D, rowGlyph(1, GlyphKind::Vowel, 1, 4, 1), false);
    if (kind == FontKind::Jukta512) {
        setGlyph(tables, 130, rowGlyph(6, GlyphKind::Consonant, 3, 6, 6, {0x15, 0x37}), true);
    }
    return tables;
}

// 16 rows of `width` dark columns, with the given rows replaced.
std::string rows(int width, const std::vector<std::pair<int, std::string>>& lit) {
    std::string text;
    for (int row = 0; row < kGlyphRows; ++row) {
        std::string line(static_cast<std::size_t>(width), '.');
        for (const auto& [r, columns] : lit) {
            if (r == row) {
                line = columns;
            }
        }
        text += line + '\n';
    }
    return text;
}

// The fonts and outputs of one test, in a folder of their own.
struct Files {
    TempFolder folder;
    TestPath hindi = folder / "hindi.txt";
    TestPath jukta = folder / "jukta.txt";
    TestPath png = folder / "out.png";

    Files() {
        writeFile(hindi, formatFontText(smallFont(FontKind::Hindi)));
        writeFile(jukta, formatFontText(smallFont(FontKind::Jukta512)));
    }
};

const std::string kKa = "\u0915", kNa = "\u0928", kSsa = "\u0937", kE = "\u0947", kVirama = "\u094D";

std::uint32_t bigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// A PNG file of an image of `width` x `height` pixels: the signature, the header chunk first, the end chunk
// last.
void expectPng(const std::string& bytes, int width, int height) {
    ASSERT_GT(bytes.size(), 8u + 25u + 12u);
    EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    EXPECT_EQ(bigEndian(bytes, 16), static_cast<std::uint32_t>(width));
    EXPECT_EQ(bigEndian(bytes, 20), static_cast<std::uint32_t>(height));
    EXPECT_EQ(bytes.substr(bytes.size() - 8, 4), "IEND");
}

const std::string kNoPng = "ledfont: --png: this ledfont was built without PNG output (libpng)\n";

TEST(LedfontPreview, PrintsOnlyTheStripOnStdout) {
    Files files;
    expectRuns({
        {{"preview", files.hindi, "--kind", "hindi", kKa + kNa},
         0,
         rows(7, {{0, "####..."}, {1, "....###"}}),
         ""},
        // The words are joined by one space, 3 dark columns.
        {{"preview", files.hindi, "--kind", "hindi", kKa, kNa},
         0,
         rows(10, {{0, "####......"}, {1, ".......###"}}),
         ""},
        // The conjunct replaces its three code points, and the vowel sign centres on it.
        {{"preview", files.jukta, "--kind", "jukta512", kKa + kVirama + kSsa + kE},
         0,
         rows(6, {{3, "..##.."}, {6, "######"}}),
         ""},
        // A Hindi font has no conjuncts: the three are drawn as they are, and that is no fallback.
        {{"preview", files.hindi, "--kind", "hindi", kKa + kVirama + kSsa},
         0,
         rows(9, {{0, "####....."}, {2, "....#####"}, {4, ".#......."}}),
         ""},
        // Without --kind the number of values decides, and stderr says so.
        {{"preview", files.jukta, kKa},
         0,
         rows(4, {{0, "####"}}),
         "ledfont: " + files.jukta.string() + ": read as Jukta512 (18432 values; give --kind to choose)\n"},
    });
}

TEST(LedfontPreview, ListsMissingCodePointsAndHalantFallbacksOnStderr) {
    Files files;
    // "A" draws nothing; KA-NA has no conjunct glyph, so the virama is drawn on KA and NA follows it.
    const std::string kaNa = kKa + kVirama + kNa;
    expectRuns(
        {{{"preview", files.jukta, "--kind", "jukta512", "A\u200D", kaNa, "A" + kaNa},
          0,
          rows(20, {{0, "...####......####..."}, {1, ".......###.......###"}, {4, "....#.........#....."}}),
          "ledfont: no glyph for U+0041 \"A\" (2 times)\n"
          "ledfont: no glyph for U+200D \"\u200D\" (1 time)\n"
          "ledfont: no conjunct glyph for " +
              kaNa + " (U+0915 U+094D U+0928), drawn with the halant (2 times)\n"},
         // GA (U+0917) is an empty glyph, which check --text warns about too.
         {{"preview", files.jukta, "--kind", "jukta512", kKa + "\u0917\u0917"},
          0,
          rows(20, {{0, "####................"}}),
          "ledfont: glyph 23 (Code: 017) is empty, drawn 2 times\n"}});
}

TEST(LedfontPreview, WarnsWhenTheTextIsWiderThanThePanels) {
    Files files;
    std::string eight;
    for (int i = 0; i < 8; ++i) {
        eight += kKa;
    }
    const std::string eightRow0(32, '#');
    expectRuns({
        // 8 KA fill one panel exactly.
        {{"preview", files.hindi, "--kind", "hindi", "--panels", "1", eight},
         0,
         rows(32, {{0, eightRow0}}),
         ""},
        {{"preview", files.hindi, "--kind", "hindi", "--panels", "1", eight + kKa},
         0,
         rows(36, {{0, eightRow0 + "####"}}),
         "ledfont: the text is 36 columns wide, wider than 1 panel (32 columns)\n"},
        {{"preview", files.hindi, "--kind", "hindi", "--panels=2", eight, eight},
         0,
         rows(67, {{0, eightRow0 + "..." + eightRow0}}),
         "ledfont: the text is 67 columns wide, wider than 2 panels (64 columns)\n"},
    });
}

TEST(LedfontPreview, DrawsThePngAsWideAsTheSignOrTheText) {
    Files files;
    const std::string text = kKa + kNa;
    const std::string strip = rows(7, {{0, "####..."}, {1, "....###"}});
    const int border = 2 * compose::kPreviewPitch;
    const int height = kGlyphRows * compose::kPreviewPitch + border;
    const compose::ComposeFont font(smallFont(FontKind::Hindi), FontKind::Hindi);
    const compose::Strip composed = compose::composeText(font, U"\u0915\u0928");
    const struct {
        std::vector<std::string> options;
        int columns;
        int signColumns;
    } cases[] = {{{}, 7, 0}, {{"--panels", "1"}, 32, 32}};
    for (const auto& c : cases) {
        std::vector<std::string> args = {"preview", files.hindi, "--kind", "hindi", "--png", files.png};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back(text);
        const RunResult run = runLedfont(args);
        if (!compose::pngAvailable()) {
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, kNoPng);
            EXPECT_FALSE(std::filesystem::exists(files.png));
            continue;
        }
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, strip);
        EXPECT_EQ(run.err, "");
        const std::string png = readFile(files.png);
        expectPng(png, c.columns * compose::kPreviewPitch + border, height);
        // What the core draws for this text, not some other strip or sign width.
        EXPECT_EQ(png, compose::encodePng(compose::drawStrip(composed, c.signColumns)));
        EXPECT_EQ(files.folder.names(), (std::set<std::string>{"hindi.txt", "jukta.txt", "out.png"}));
    }
}

TEST(LedfontPreview, FailsOnABadFontOrOutputWritingNothing) {
    Files files;
    writeFile(files.folder / "letters.txt", fontTextWith(FontKind::Hindi, 40, "abc"));
    const std::string letters = files.folder / "letters.txt";
    std::vector<Failure> cases = {
        {{"preview", letters, kKa}, "Type mismatch: " + letters + ", line 41, value \"abc\""},
        {{"preview", files.folder / "none.txt", kKa},
         "File not found: " + (files.folder / "none.txt").string()},
        {{"preview", files.hindi, "--kind", "jukta512", kKa},
         "Input past end of file: " + files.hindi.string() +
             ", line 4352 (found 4352 of 18432 values, as many as a Hindi font holds: --kind hindi reads "
             "it)"},
    };
    if (compose::pngAvailable()) {
        // A path, not a TestPath, past the first name: made one again so it reads as a string on Windows too.
        const TestPath inMissingFolder(files.folder / "no" / "out.png");
        cases.push_back({{"preview", letters, "--png", files.png, kKa},
                         "Type mismatch: " + letters + ", line 41, value \"abc\""});
        cases.push_back(
            {{"preview", files.hindi, "--png", files.hindi, kKa},
             "File already exists: " + files.hindi.string() + " (the output would replace the font)"});
        cases.push_back({{"preview", files.hindi, "--png", inMissingFolder, kKa},
                         "Path not found: " + inMissingFolder.string()});
        // 8001 KAs of 4 columns: past the 32000 columns a picture holds, which libpng would refuse only
        // after its own warnings.
        std::string longText;
        for (int i = 0; i < 8001; ++i) {
            longText += kKa;
        }
        cases.push_back(
            {{"preview", files.hindi, "--kind", "hindi", "--png", files.png, longText},
             "ledfont: --png: the text is 32004 columns wide; a picture holds at most 32000 (1000 "
             "panels), so nothing was written"});
    }
    expectFailures(files.folder, cases);
}

TEST(LedfontSheet, WritesEveryGlyphAsThePictureTheCoreDraws) {
    Files files;
    const struct {
        TestPath font;
        FontKind kind;
    } cases[] = {{files.hindi, FontKind::Hindi}, {files.jukta, FontKind::Jukta512}};
    int hindiHeight = 0;
    for (const auto& c : cases) {
        const std::string kindName = c.kind == FontKind::Hindi ? "hindi" : "jukta512";
        const RunResult run = runLedfont({"sheet", c.font, "--kind", kindName, "-o", files.png});
        if (!compose::pngAvailable()) {
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.err, "ledfont: sheet: this ledfont was built without PNG output (libpng)\n");
            EXPECT_FALSE(std::filesystem::exists(files.png));
            continue;
        }
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, files.png.string() + "\n");
        EXPECT_EQ(run.err, "");
        const FontTables tables = smallFont(c.kind);
        const compose::Image sheet =
            compose::drawSheet(tables, c.kind, compose::glyphWarnings(tables, c.kind));
        const std::string png = readFile(files.png);
        expectPng(png, sheet.width(), sheet.height());
        EXPECT_EQ(png, compose::encodePng(sheet));
        // 512 glyphs take more rows of cells than 128.
        if (c.kind == FontKind::Hindi) {
            hindiHeight = sheet.height();
        } else {
            EXPECT_GT(sheet.height(), 2 * hindiHeight);
        }
    }
}

// The vowel sign U in row 3, clear of KA and NA (rows 0 and 1), touching SSA (row 2): check counts the
// warning, the sheet frames the glyphs.
TEST(LedfontSheet, CheckAndSheetReportASignStandingOffItsConsonant) {
    Files files;
    FontTables tables = smallFont(FontKind::Hindi);
    setGlyph(tables, 0x41, rowGlyph(2, GlyphKind::Vowel, 1, 3, 2), false);
    writeFile(files.hindi, formatFontText(tables));
    const RunResult check = runLedfont({"check", files.hindi, "--kind", "hindi"});
    EXPECT_EQ(check.status, 0) << check.err;
    EXPECT_NE(check.out.find("; 1 warning\n"), std::string::npos) << check.out;
    EXPECT_TRUE(
        check.out.ends_with("\nwarning: sign standing off its consonant in 2 pairs (\u25CC\u0941 2): " + kKa +
                            "\u0941, " + kNa + "\u0941\n"))
        << check.out;

    if (!compose::pngAvailable()) {
        return;
    }
    const std::vector<compose::GlyphWarning> composed = compose::compositionWarnings(
        compose::compositionFindings(compose::ComposeFont(tables, FontKind::Hindi)));
    EXPECT_EQ(composed, (std::vector<compose::GlyphWarning>{{compose::WarningKind::SignStandsOff, 0x15, 1},
                                                            {compose::WarningKind::SignStandsOff, 0x28, 1},
                                                            {compose::WarningKind::SignStandsOff, 0x41, 2}}));
    EXPECT_EQ(compose::warningTag(compose::WarningKind::SignStandsOff), "APART");
    const RunResult sheet = runLedfont({"sheet", files.hindi, "--kind", "hindi", "-o", files.png});
    EXPECT_EQ(sheet.status, 0) << sheet.err;
    EXPECT_EQ(readFile(files.png), compose::encodePng(compose::drawSheet(tables, FontKind::Hindi, composed)));
}

TEST(LedfontSheet, FailsOnABadFontOrOutputWritingNothing) {
    if (!compose::pngAvailable()) {
        GTEST_SKIP() << "this build has no PNG output";
    }
    Files files;
    writeFile(files.folder / "letters.txt", fontTextWith(FontKind::Jukta512, 18000, "256"));
    const std::string letters = files.folder / "letters.txt";
    expectFailures(
        files.folder,
        {
            {{"sheet", letters, "-o", files.png}, "Overflow: " + letters + ", line 18001, value \"256\""},
            {{"sheet", files.hindi, "-o", files.hindi},
             "File already exists: " + files.hindi.string() + " (the output would replace the font)"},
            {{"sheet", files.folder / "none.txt", "-o", files.png},
             "File not found: " + (files.folder / "none.txt").string()},
        });
}

TEST(LedfontCheckText, ReportsWhatTheSignCannotShowLineByLine) {
    Files files;
    std::string nine;
    for (int i = 0; i < 9; ++i) {
        nine += kKa;
    }
    const std::string kaNa = kKa + kVirama + kNa;
    // CR LF line ends and a byte order mark, which are not text; GA (U+0917) is an empty glyph.
    writeFile(files.folder / "text.txt", "\xEF\xBB\xBF" + kKa + kVirama + kSsa + kE + " " + kKa + kNa +
                                             "\r\n" + "A " + kaNa + " " + kaNa + "\r\n" + nine + "\r\n" +
                                             "\u0917 A\r\n");
    const std::string text = files.folder / "text.txt";
    expectRuns({{{"check", files.jukta, "--kind", "jukta512", "--text", text, "--panels", "1"},
                 0,
                 files.jukta.string() + ": Jukta512 font, 512 glyphs, 18432 values\n" +
                     "summary: loads; widths 1..8; 510 Consonant, 2 Vowel, 0 Ikaar; 4 warnings\n"
                     "image: 18432 bytes at 0xA100-0xE8FF, CRC-32 0x2BA36000\n"
                     "text: " +
                     text + ", 4 lines, widest 36 columns\n" +
                     "warning: empty glyph the text draws in 1 glyph: 23 (Code: 017, 1 time)\n"
                     "warning: no glyph in 1 code point: U+0041 \"A\" (2 times, first in line 2)\n"
                     "warning: drawn with the halant, no conjunct glyph in 1 conjunct: " +
                     kaNa + " (U+0915 U+094D U+0928) 2 times, as in \"" + kaNa + "\"\n" +
                     "warning: wider than 1 panel (32 columns) in 1 line: 3 (36 columns)\n",
                 ""}});
}

TEST(LedfontCheckText, WithoutPanelsNoLineIsTooWideAndAMissingTextFails) {
    Files files;
    writeFile(files.folder / "text.txt", std::string(200, ' ') + kKa + "\n");
    const std::string text = files.folder / "text.txt";
    expectRuns({{{"check", files.hindi, "--kind", "hindi", "--text", text},
                 0,
                 files.hindi.string() + ": Hindi font, 128 glyphs, 4352 values\n" +
                     "summary: loads; widths 1..8; 126 Consonant, 2 Vowel, 0 Ikaar; 0 warnings\n"
                     "image: 4352 bytes at 0x9000-0xA0FF, CRC-32 0x4CD9B399\n" +
                     "text: " + text + ", 1 line, widest 604 columns\n",
                 ""}});
    expectFailures(files.folder, {{{"check", files.hindi, "--text", files.folder / "none.txt"},
                                   "File not found: " + (files.folder / "none.txt").string()}});
}

#ifndef _WIN32
// A font seeded from Noto, proven against Noto: की reads as the source draws it; a Hindi font has no
// conjuncts, so स्त shows a halant below where the source has none.
TEST(LedfontCheckText, ProvesTheWordsAgainstTheSourceTheFontWasSeededFrom) {
    TempFolder folder;
    const std::string font = folder / "noto.txt";
    const RunResult import =
        runLedfont({"import", "--system", "Noto Sans Devanagari", "--kind", "hindi", "-o", font});
    LEDFONT_NEED_IMPORT_DATA(import.status == 0, "Noto Sans Devanagari (package fonts-noto-core)");
    const std::string text = folder / "text.txt";
    writeFile(text, "\u0915\u0940 \u0938\u094D\u0924\n");
    const RunResult run = runLedfont({"check", font, "--text", text, "--against", "Noto Sans Devanagari"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\nagainst: \"Noto Sans Devanagari\" at 13 pixels\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\nwords: 1 of 2 read as the source draws them (50.0 %)\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\nmismatch: misplaced sign in 1 word, as in \u0938\u094D\u0924 (1)\n"),
              std::string::npos)
        << run.out;
}
#endif

TEST(LedfontCompose, UsageErrorsExitTwoWithTheUsageAndWriteNothing) {
    Files files;
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"preview", files.hindi}, "preview takes a font and a text, got 1 argument"},
        {{"preview", files.hindi, kKa, "--panels", "0"},
         "--panels takes a number of panels 1..1000, not \"0\""},
        {{"preview", files.hindi, kKa, "--panels", "0x10"},
         "--panels takes a number of panels 1..1000, not \"0x10\""},
        {{"preview", files.hindi, kKa, "--panels", "1", "--panels", "2"}, "--panels given twice"},
        {{"preview", files.hindi, kKa, "--png", files.png, "--png", files.png}, "--png given twice"},
        {{"preview", files.hindi, kKa, "-o", files.png}, "preview does not take \"-o\""},
        {{"sheet", files.hindi}, "sheet needs -o OUT.png"},
        {{"sheet", files.hindi, kKa, "-o", files.png}, "sheet takes 1 file, got 2"},
        {{"sheet", files.hindi, "-o", files.png, "--panels", "1"}, "sheet does not take \"--panels\""},
        {{"check", files.hindi, "--panels", "1"}, "--panels needs --text"},
        {{"check", files.hindi, "--text="}, "--text needs a file name"},
        {{"check", files.hindi, "--against", "Noto Sans Devanagari"}, "--against needs --text"},
        {{"preview", files.hindi, kKa, "--size", "12"}, "--size needs --against"},
        {{"preview", files.hindi, kKa, "--against", "x", "--size", "0"},
         "--size takes a pixel size 1..64, not \"0\""},
    };
    const RunResult help = runLedfont({"--help"});
    const auto before = files.folder.snapshot();
    for (const auto& [args, message] : cases) {
        const RunResult run = runLedfont(args);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_EQ(run.out, "") << message;
        EXPECT_EQ(run.err, "ledfont: " + message + "\n" + help.out);
    }
    EXPECT_EQ(files.folder.snapshot(), before);
}

}  // namespace
}  // namespace ledfont::test
