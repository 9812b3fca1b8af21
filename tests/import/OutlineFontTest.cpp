#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "ImportData.h"
#include "import/GlyphImport.h"
#include "import/OutlineFont.h"
#include "support/TestFiles.h"

namespace ledfont::import {
namespace {

// The installed font of `family`, or nothing when fontconfig knows none.
std::optional<std::filesystem::path> installed(const std::string& family) {
    try {
        return findSystemFont(family);
    } catch (const SourceError&) {
        return std::nullopt;
    }
}

// The row with the most lit LEDs: the headline of a Devanagari letter.
int fullestRow(const Glyph& glyph) {
    int best = 0;
    int bestCount = -1;
    for (int r = 0; r < 16; ++r) {
        int count = 0;
        for (int c = 0; c < 16; ++c) {
            count += glyph.lit(c, r) ? 1 : 0;
        }
        if (count > bestCount) {
            best = r;
            bestCount = count;
        }
    }
    return best;
}

struct Family {
    const char* name;
    const char* package;
};
const Family kFamilies[] = {{"Noto Sans Devanagari", "fonts-noto-core"},
                            {"Lohit Devanagari", "fonts-lohit-deva"}};

// Every consonant U+0915-0939 whole on the 16 rows, with its headline on one row in nearly all.
TEST(OutlineFont, ConsonantsFitTheRowsWithOneHeadline) {
    for (const Family& family : kFamilies) {
        SCOPED_TRACE(family.name);
        const auto path = installed(family.name);
        LEDFONT_NEED_IMPORT_DATA(path, std::string(family.name) + " (package " + family.package + ")");
        const OutlineSource source(*path, 0);
        EXPECT_GE(source.pixelSize(), 8);
        FontTables tables = newFont(FontKind::Jukta512);
        const ImportReport report = importGlyphs(tables, FontKind::Jukta512, source, {});
        std::map<int, int> headlines;
        for (int g = 0x15; g <= 0x39; ++g) {
            EXPECT_TRUE(std::find(report.imported.begin(), report.imported.end(), g) != report.imported.end())
                << g;
            EXPECT_TRUE(std::find(report.cut.begin(), report.cut.end(), g) == report.cut.end()) << g;
            const Glyph glyph = glyphAt(tables, g);
            EXPECT_TRUE(std::any_of(glyph.columns.begin(), glyph.columns.end(), [](auto c) {
                return c != 0;
            })) << g;
            ++headlines[fullestRow(glyph)];
        }
        const int commonest = std::max_element(headlines.begin(), headlines.end(), [](auto a, auto b) {
                                  return a.second < b.second;
                              })->second;
        EXPECT_GE(commonest * 10, 37 * 9) << "the headline lies on one row in " << commonest << " of 37";
        // One size for the whole font, fitted to what Hindi writes: only signs of other languages may lose
        // ink off the rows (ॄ ॗ ॢ ॣ ॷ).
        for (int g : report.cut) {
            EXPECT_TRUE(g == 0x44 || g == 0x57 || g == 0x62 || g == 0x63 || g == 0x77 || g >= 0x80) << g;
        }
    }
}

// Pair (0x15, 0x37) is the cluster KA, virama, SSA: Noto shapes it as one ligature, not its letters side by
// side.
TEST(OutlineFont, AConjunctIsTheShapedCluster) {
    const auto path = installed("Noto Sans Devanagari");
    LEDFONT_NEED_IMPORT_DATA(path, "Noto Sans Devanagari (package fonts-noto-core)");
    const OutlineSource source(*path, 0);
    EXPECT_EQ(source.shapedGlyphCount(U"\u0915\u094D\u0937"), 1u);
    EXPECT_EQ(source.shapedGlyphCount(U"\u0915\u0937"), 2u);

    FontTables tables = newFont(FontKind::Jukta512);
    Glyph conjunct = glyphAt(tables, 0x80);
    conjunct.pair = {0x15, 0x37};
    setGlyph(tables, 0x80, conjunct, true);
    const ImportReport report = importGlyphs(tables, FontKind::Jukta512, source, {});
    EXPECT_EQ(std::count(report.imported.begin(), report.imported.end(), 0x80), 1);
    EXPECT_EQ(std::count(report.missing.begin(), report.missing.end(), 0x81), 1);

    const Glyph ka = glyphAt(tables, 0x15);
    const Glyph ssa = glyphAt(tables, 0x37);
    const Glyph kssa = glyphAt(tables, 0x80);
    EXPECT_EQ(kssa.pair, (std::array<std::uint8_t, 2>{0x15, 0x37}));
    EXPECT_EQ(kssa.kind, GlyphKind::Consonant);
    Glyph sideBySide = ka;
    for (int c = 0; c < ssa.width && ka.width + c < 16; ++c) {
        sideBySide.columns[static_cast<std::size_t>(ka.width + c)] = ssa.columns[static_cast<std::size_t>(c)];
    }
    EXPECT_NE(kssa.columns, sideBySide.columns);
    EXPECT_LT(kssa.width, ka.width + ssa.width);
}

TEST(OutlineFont, RefusesWhatIsNotAFont) {
    ASSERT_TRUE(outlineFontsAvailable());
    test::TempFolder folder;
    test::writeFile(folder / "notes.ttf", "not a font at all\n");
    try {
        OutlineSource source(folder / "notes.ttf", 0);
        ADD_FAILURE() << "accepted a text file";
    } catch (const SourceError& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with((folder / "notes.ttf").string() + ": not a font file"))
            << e.what();
    }
    try {
        findSystemFont("No Such Family Anywhere");
        ADD_FAILURE() << "found a family that is not installed";
    } catch (const SourceError& e) {
        EXPECT_STREQ(e.what(), "no installed font has the family \"No Such Family Anywhere\"");
    }
}

}  // namespace
}  // namespace ledfont::import
