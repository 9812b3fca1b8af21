#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "font/FontText.h"
#include "hexout/HexRecords.h"

namespace ledfont::test {
namespace {

// The first `count` lines of a font text.
std::string firstLines(const std::string& text, int count) {
    std::size_t end = 0;
    for (int i = 0; i < count; ++i) {
        end = text.find("\r\n", end) + 2;
    }
    return text.substr(0, end);
}

// Blank tables: every glyph 16 columns wide and a Consonant, so check warns about nothing else.
FontTables blankTables(bool juktaMode) {
    FontTables tables;
    tables.JuktaMode = juktaMode;
    return tables;
}

// Font texts by their number of values, as a firmware build may meet them.
struct Fonts {
    TempFolder folder;
    std::string hindi = folder / "hindi.txt";      // 4352
    std::string jukta = folder / "jukta.txt";      // 18432
    std::string between = folder / "between.txt";  // 5000, a Jukta512 font cut short
    std::string longer = folder / "longer.txt";    // 18433
    std::string out = folder / "out.hex";

    Fonts() {
        const std::string juktaText = formatFontText(blankTables(true));
        writeFile(hindi, formatFontText(blankTables(false)));
        writeFile(jukta, juktaText);
        writeFile(between, firstLines(juktaText, 5000));
        writeFile(longer, juktaText + "7\r\n");
    }
};

TEST(LedfontKind, WithoutKindTheNumberOfValuesDecidesAndStderrSaysSo) {
    const Fonts f;
    FontTables hindiTables = blankTables(false);
    FontTables juktaTables = blankTables(true);
    const std::string hindiHex = hexout::buildHexText(hindiTables);
    const std::string juktaHex = hexout::buildHexText(juktaTables);
    const struct {
        std::vector<std::string> args;
        std::string note;  // what stderr says, after "ledfont: FONT: "
        const std::string& hex;
    } cases[] = {
        {{"hex", f.hindi}, "read as Hindi (4352 values; give --kind to choose)", hindiHex},
        {{"hex", f.jukta}, "read as Jukta512 (18432 values; give --kind to choose)", juktaHex},
        {{"hex", f.between},
         "read as Hindi, but 648 more values follow the 4352 it holds (give --kind to choose)",
         hindiHex},
        {{"hex", f.longer},
         "read as Jukta512, but more values follow the 18432 it holds (give --kind to choose)",
         juktaHex},
        {{"hex", f.jukta, "--kind", "hindi"},
         "14080 more values follow the 4352 a Hindi font holds; --kind jukta512 reads them",
         hindiHex},
        {{"hex", f.between, "--kind", "hindi"},
         "648 more values follow the 4352 a Hindi font holds; they are not read",
         hindiHex},
        {{"hex", f.longer, "--kind=jukta512"},
         "more values follow the 18432 a Jukta512 font holds; they are not read",
         juktaHex},
        {{"hex", f.hindi, "--kind", "hindi"}, "", hindiHex},
        {{"hex", f.jukta, "--kind", "jukta512"}, "", juktaHex},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"-o", f.out});
        const RunResult run = runLedfont(args);
        SCOPED_TRACE(c.args[1] + (c.args.size() > 2 ? " " + c.args[2] : ""));
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, f.out + "\n");
        EXPECT_EQ(run.err, c.note.empty() ? "" : "ledfont: " + c.args[1] + ": " + c.note + "\n");
        EXPECT_EQ(readFile(f.out), c.hex);
    }
}

// A file that ends early under --kind jukta512 with a Hindi font's count of values says which kind it is.
TEST(LedfontKind, AHindiFontReadAsJukta512PointsToKindHindi) {
    const Fonts f;
    const std::string hint =
        ", line 4352 (found 4352 of 18432 values, as many as a Hindi font holds: --kind "
        "hindi reads it)\n";
    const std::pair<std::string, std::string> cases[] = {
        {f.hindi, hint}, {f.between, ", line 5000 (found 5000 of 18432 values)\n"}};
    for (const auto& [font, end] : cases) {
        const RunResult run = runLedfont({"hex", font, "--kind", "jukta512", "-o", f.out});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "Input past end of file: " + font + end);
    }
}

TEST(LedfontKind, ShowAndCheckReadTheKindTheValuesSayAndCheckCountsUnreadValues) {
    const Fonts f;
    const RunResult shown = runLedfont({"show", f.jukta, "--glyph", "511"});
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_TRUE(shown.out.starts_with("glyph 511  Code: 1FF  ")) << shown.out;
    EXPECT_EQ(shown.err,
              "ledfont: " + f.jukta + ": read as Jukta512 (18432 values; give --kind to choose)\n");

    const RunResult outside = runLedfont({"show", f.hindi, "--glyph", "511"});
    EXPECT_EQ(outside.status, 2);
    EXPECT_TRUE(outside.err.starts_with("ledfont: --glyph 511 is outside 0..127 of a Hindi font\nusage:"));

    const std::string unread =
        "14080 more values follow the 4352 a Hindi font holds; --kind jukta512 reads them";
    expectRuns({
        {{"check", f.jukta, "--kind", "hindi"},
         0,
         f.jukta +
             ": Hindi font, 128 glyphs, 4352 values\n"
             "summary: loads; widths 16..16; 128 Consonant, 0 Vowel, 0 Ikaar; 3 warnings\n"
             "image: 4352 bytes at 0x9000-0xA0FF, CRC-32 0xB83E577F\nwarning: " +
             unread + "\n" + std::string(kSolidFontComposition),
         "ledfont: " + f.jukta + ": " + unread + "\n"},
        {{"check", f.jukta},
         0,
         f.jukta +
             ": Jukta512 font, 512 glyphs, 18432 values\n"
             "summary: loads; widths 16..16; 512 Consonant, 0 Vowel, 0 Ikaar; 2 warnings\n"
             "image: 18432 bytes at 0xA100-0xE8FF, CRC-32 0x1DCEB87A\n" +
             std::string(kSolidFontComposition),
         "ledfont: " + f.jukta + ": read as Jukta512 (18432 values; give --kind to choose)\n"},
    });
}

}  // namespace
}  // namespace ledfont::test
