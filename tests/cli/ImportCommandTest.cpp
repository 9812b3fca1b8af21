#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "../import/ImportData.h"
#include "CliTestSupport.h"
#include "cli/Arguments.h"
#include "font/FontText.h"
#include "import/GlyphImport.h"
#include "import/UnifontHex.h"

namespace ledfont::test {
namespace {

using Args = std::vector<std::string>;

cli::Arguments importing(Args paths, std::string output, cli::ImportOptions options,
                         std::optional<FontKind> kind = std::nullopt) {
    cli::Arguments parsed;
    parsed.command = cli::CommandName::Import;
    parsed.paths = std::move(paths);
    parsed.kind = kind;
    parsed.output = std::move(output);
    parsed.importing = std::move(options);
    return parsed;
}

TEST(ParseImportArguments, AcceptsASourceOrAFamilyWithItsOptions) {
    const std::vector<std::pair<Args, cli::Arguments>> cases = {
        {{"import", "u.hex", "-o", "f.txt"}, importing({"u.hex"}, "f.txt", {})},
        {{"import", "--system", "Noto Sans Devanagari", "--kind=jukta512", "--into", "j.txt", "-o", "f.txt",
          "--size", "14", "--glyphs", "0x15-0x39,0x80-0xFF,300", "--only-empty"},
         importing({}, "f.txt",
                   {"Noto Sans Devanagari", "j.txt", 14, {{0x15, 0x39}, {0x80, 0xFF}, {300, 300}}, true},
                   FontKind::Jukta512)},
        {{"import", "u.hex", "-o", "f.txt", "--conjuncts=all", "--conjuncts-from", "notices.txt"},
         importing({"u.hex"}, "f.txt", {"", "", 0, {}, false, import::ConjunctSlots::All, "notices.txt"})},
        {{"import", "u.hex", "-o", "f.txt", "--conjuncts", "none"},
         importing({"u.hex"}, "f.txt", {"", "", 0, {}, false, import::ConjunctSlots::None})},
    };
    for (const auto& [args, expected] : cases) {
        EXPECT_EQ(cli::parseArguments(args), expected) << args[1];
    }
}

TEST(ParseImportArguments, RejectsWhatImportCannotActOn) {
    const std::vector<std::pair<Args, std::string>> cases = {
        {{"import", "u.hex"}, "import needs -o OUT, the font file to write"},
        {{"import", "-o", "f.txt"}, "import takes 1 file, got 0"},
        {{"import", "--system", "Lohit Devanagari", "u.hex", "-o", "f.txt"},
         "import takes no SOURCE file with --system"},
        {{"import", "u.hex", "-o", "f.txt", "--size", "0"}, "--size takes a pixel size 1..64, not \"0\""},
        {{"import", "u.hex", "-o", "f.txt", "--size", "65"}, "--size takes a pixel size 1..64, not \"65\""},
        {{"import", "u.hex", "-o", "f.txt", "--glyphs", "0x39-0x15"},
         "--glyphs takes glyph numbers and ranges such as 0x15-0x39,0x80, not \"0x39-0x15\""},
        {{"import", "u.hex", "-o", "f.txt", "--glyphs", "1,,2"},
         "--glyphs takes glyph numbers and ranges such as 0x15-0x39,0x80, not \"1,,2\""},
        {{"import", "u.hex", "-o", "f.txt", "--kind", "auto"},
         "--kind takes hindi or jukta512, not \"auto\""},
        {{"import", "u.hex", "-o", "f.txt", "--into", "a", "--into", "b"}, "--into given twice"},
        {{"import", "u.hex", "-o", "f.txt", "--only-empty", "--only-empty"}, "--only-empty given twice"},
        {{"import", "u.hex", "-o", "f.txt", "--glyph", "1"}, "import does not take \"--glyph\""},
        {{"import", "u.hex", "-o", "f.txt", "--conjuncts", "most"},
         "--conjuncts takes unpaired, all or none, not \"most\""},
        {{"import", "u.hex", "-o", "f.txt", "--conjuncts", "all", "--conjuncts=none"},
         "--conjuncts given twice"},
        {{"import", "u.hex", "-o", "f.txt", "--conjuncts-from", ""}, "--conjuncts-from needs a text file"},
        {{"import", "u.hex", "-o", "f.txt", "--conjuncts-from", "t.txt", "--conjuncts", "none"},
         "--conjuncts-from counts conjuncts that --conjuncts none leaves out"},
    };
    for (const auto& [args, message] : cases) {
        try {
            cli::parseArguments(args);
            ADD_FAILURE() << "accepted: " << message;
        } catch (const cli::UsageError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

// A Unifont .hex text of KA, KHA and GA, each a different mark, and GHA without one.
std::string threeGlyphs() {
    return "0915:" + std::string(30, '0') + "80" + "\n0916:" + std::string(28, '0') + "C000" +
           std::string(32, '0') + "\n0917:" + "F0" + std::string(30, '0') + "\n0918:" + std::string(32, '0') +
           "\n";
}

TEST(LedfontImport, SeedsANewFontAndSaysWhatTheSourceLacks) {
    TempFolder folder;
    writeFile(folder / "three.hex", threeGlyphs());
    expectRuns({{{"import", folder / "three.hex", "-o", folder / "new.txt"},
                 0,
                 (folder / "new.txt").string() + ": 3 of 128 glyphs imported from " +
                     (folder / "three.hex").string() +
                     " into a Hindi font\nmissing from the source (left as they were): 0x00-0x14, 0x19-0x7F\n"
                     "empty in the source (left as they were): 0x18\n",
                 ""}});
    FontTables expected = import::newFont(FontKind::Hindi);
    import::importGlyphs(expected, FontKind::Hindi, import::UnifontHexSource(threeGlyphs()), {});
    EXPECT_EQ(readFile(folder / "new.txt"), formatFontText(expected));
}

TEST(LedfontImport, IntoAFontSetsOnlyTheEmptyGlyphsOfTheRange) {
    TempFolder folder;
    writeFile(folder / "three.hex", threeGlyphs());
    FontTables start = import::newFont(FontKind::Jukta512);
    Glyph drawn = glyphAt(start, 0x16);
    drawn.setLit(5, 5, true);
    setGlyph(start, 0x16, drawn, false);
    start.JuktaMode = true;
    saveFontFile(folder / "mine.txt", start);
    const std::string before = readFile(folder / "mine.txt");
    expectRuns(
        {{{"import", folder / "three.hex", "--into", folder / "mine.txt", "--kind", "jukta512", "--glyphs",
           "0x15-0x16,0x1FF", "--only-empty", "-o", folder / "out.txt"},
          0,
          (folder / "out.txt").string() + ": 1 of 1 glyphs imported from " + (folder / "three.hex").string() +
              " into a Jukta512 font\nconjuncts: 0 of 1 glyphs without a pair filled: the source draws none "
              "of "
              "the 621 conjuncts of the shipped Hindi text\n",
          ""}});
    FontTables expected = start;
    import::importGlyphs(expected, FontKind::Jukta512, import::UnifontHexSource(threeGlyphs()),
                         {{{ 0x15,
                             0x15 }},
                          false});
    EXPECT_EQ(readFile(folder / "out.txt"), formatFontText(expected));
    EXPECT_EQ(readFile(folder / "mine.txt"), before);
}

TEST(LedfontImport, ABadSourceWritesNothingAndNamesTheLine) {
    TempFolder folder;
    writeFile(folder / "cut.hex", "0915:" + std::string(64, '0') + "\n0916:00FF00\n");
    writeFile(folder / "short.bdf",
              "STARTFONT 2.1\nFONT_ASCENT 14\nFONT_DESCENT 2\nCHARS 1\nSTARTCHAR ka\n"
              "ENCODING 2325\nBBX 8 3 0 0\nBITMAP\nFF\n00\nENDCHAR\nENDFONT\n");
    writeFile(folder / "notes.ttf", "just some notes\n");
    writeFile(folder / "latin.hex", "0041:" + std::string(32, '1') + "\n");
    writeFile(folder / "blank.hex", "0915:" + std::string(64, '0') + "\n0916:" + std::string(32, '0') + "\n");
    writeFile(folder / "font.txt", "keep me\r\n");
    const std::string out = folder / "font.txt";
    const std::string notAFont =
#ifdef LEDFONT_HAVE_OUTLINE_FONTS
        (folder / "notes.ttf").string() + ": not a font file (invalid stream operation)";
#else
        "outline fonts are not available in this build of ledfont (it was built without FreeType, HarfBuzz "
        "and "
        "fontconfig); .hex and .bdf sources are";
#endif
    expectFailures(
        folder,
        {
            {{"import", folder / "cut.hex", "-o", out},
             (folder / "cut.hex").string() +
                 ", line 2: U+0916 has 6 digits, expected 32 (8x16) or 64 (16x16)"},
            {{"import", folder / "short.bdf", "-o", out},
             (folder / "short.bdf").string() + ", line 11: BITMAP of U+0915 has 2 rows, BBX says 3"},
            {{"import", folder / "notes.ttf", "-o", out}, notAFont},
            {{"import", folder / "none.hex", "-o", out}, "File not found: " + (folder / "none.hex").string()},
            {{"import", folder / "latin.hex", "--kind", "jukta512", "--conjuncts-from", folder / "none.txt",
              "-o", out},
             "File not found: " + (folder / "none.txt").string()},
            // Importing nothing neither replaces OUT nor creates it.
            {{"import", folder / "latin.hex", "-o", out},
             (folder / "latin.hex").string() +
                 ": no glyph imported: of the 128 glyphs asked for, 128 are missing from the source and 0 "
                 "light nothing"},
            {{"import", folder / "blank.hex", "--glyphs", "0x15-0x16", "-o", folder / "new.txt"},
             (folder / "blank.hex").string() +
                 ": no glyph imported: of the 2 glyphs asked for, 0 are missing from the source and 2 light "
                 "nothing"},
            {{"import", folder / "cut.hex", "--into", out, "-o", out},
             "File already exists: " + out + " (the output would replace the font imported into)"},
            {{"import", folder / "cut.hex", "-o", folder / "cut.hex"},
             "File already exists: " + (folder / "cut.hex").string() +
                 " (the font would replace the source)"},
        });
}

#ifdef LEDFONT_HAVE_OUTLINE_FONTS
// The conjuncts of the sign maker's notices fill the glyphs without a pair, the most frequent first; क्ल is
// wider than 16 columns in Noto at 14 pixels, so स्त takes its place.
TEST(LedfontImport, FillsConjunctsFromTheNoticesAndNamesTheOnesTooWide) {
    const std::filesystem::path noto = "/usr/share/fonts/truetype/noto/NotoSansDevanagari-Regular.ttf";
    LEDFONT_NEED_IMPORT_DATA(std::filesystem::exists(noto), "Noto Sans Devanagari (package fonts-noto-core)");
    TempFolder folder;
    writeFile(folder / "notices.txt", "शुक्ल शुक्ल मस्त\n");
    const std::string out = folder / "out.txt";
    expectRuns({{{"import", noto.string(), "--kind", "jukta512", "--size", "14", "--glyphs", "0x80-0x81",
                  "--conjuncts-from", folder / "notices.txt", "-o", out},
                 0,
                 out + ": 2 of 2 glyphs imported from " + noto.string() +
                     " at 14 pixels (the letters on rows 4-12) into a Jukta512 font\nconjuncts: 2 of 2 "
                     "glyphs without a pair filled, the "
                     "most frequent in " +
                     (folder / "notices.txt").string() +
                     " first (1 it holds, 1 guessed from its letters)\n"
                     "wider than 16 columns in the source, left out: क्ल (2)\n",
                 ""}});
    FontTables written;
    storeFontValues(written, FontKind::Jukta512, readFontFile(out, FontKind::Jukta512));
    // स्त, then the best guess: क्त (क begins 2, त ends 1), as स्ल (1 by 2) comes later in code order.
    EXPECT_EQ(glyphAt(written, 0x80).pair, (std::array<std::uint8_t, 2>{0x38, 0x24}));
    EXPECT_EQ(glyphAt(written, 0x81).pair, (std::array<std::uint8_t, 2>{0x15, 0x24}));
    EXPECT_GT(glyphAt(written, 0x80).width, 4);
}
#endif

#ifndef _WIN32
TEST(LedfontImport, TheWholeDebianUnifontSeedsTheBlock) {
    LEDFONT_NEED_IMPORT_DATA(std::filesystem::exists(kUnifontHex), "Unifont (package unifont)");
    TempFolder folder;
    expectRuns({{{"import", kUnifontHex.string(), "-o", folder / "hindi.txt"},
                 0,
                 (folder / "hindi.txt").string() + ": 128 of 128 glyphs imported from " +
                     kUnifontHex.string() + " into a Hindi font\n",
                 ""}});
}
#endif

}  // namespace
}  // namespace ledfont::test
