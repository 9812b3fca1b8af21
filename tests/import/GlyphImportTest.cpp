#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "import/GlyphImport.h"

namespace ledfont::import {
namespace {

// An image from rows of '#' and '.', the first string row 0.
GlyphImage imageOf(const std::vector<std::string>& rows) {
    GlyphImage image;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (rows[r][c] == '#') {
                image.rows[r] |= 1u << c;
            }
        }
    }
    return image;
}

// A source that has a fixed image for some texts, and for some marks one placed on KA.
class FixedSource : public GlyphSource {
  public:
    std::map<std::u32string, GlyphImage> images;
    std::map<char32_t, GlyphImage> onKa;
    mutable std::vector<std::u32string> asked;

    std::optional<GlyphImage> markImage(std::u32string_view base, char32_t mark) const override {
        auto found = onKa.find(mark);
        return base != U"\u0915" || found == onKa.end() ? std::nullopt : std::optional(found->second);
    }

    std::optional<GlyphImage> image(std::u32string_view text) const override {
        asked.emplace_back(text);
        auto found = images.find(std::u32string(text));
        return found == images.end() ? std::nullopt : std::optional(found->second);
    }
};

TEST(GlyphFromImage, MovesTheInkLeftAndMeasuresIt) {
    struct Case {
        std::vector<std::string> rows;
        int glyph;
        int width;
        int centre;  // as the record holds it: the middle column + 1
        GlyphKind kind;
        std::vector<std::pair<int, int>> lit;  // (column, row) after the move
    };
    const std::vector<Case> cases = {
        {{"...#", "....#"}, 0x15, 2, 1, GlyphKind::Consonant, {{0, 0}, {1, 1}}},
        {{"", "", "..#....#"}, 0x3F, 6, 3, GlyphKind::Ikaar, {{0, 2}, {5, 2}}},
        {{"#"}, 0x41, 1, 1, GlyphKind::Vowel, {{0, 0}}},
        {{}, 0x4D, 16, 8, GlyphKind::Vowel, {}},
        {{"#..............................#"}, 0x80, 16, 8, GlyphKind::Consonant, {{0, 0}}},
        {{"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ".#.#"},
         0x3E,
         3,
         2,
         GlyphKind::Consonant,
         {{0, 15}, {2, 15}}},
    };
    for (const Case& c : cases) {
        const Glyph glyph = glyphFromImage(imageOf(c.rows), c.glyph, {0x15, 0x37});
        Glyph expected;
        expected.width = static_cast<std::uint8_t>(c.width);
        expected.centre = static_cast<std::uint8_t>(c.centre);
        expected.kind = c.kind;
        expected.pair = {0x15, 0x37};
        for (auto [column, row] : c.lit) {
            expected.setLit(column, row, true);
        }
        EXPECT_EQ(glyph, expected) << "glyph " << c.glyph;
    }
}

// KA's fullest row is its headline, the upper one of a tie; its middle column is that of its lit extent.
TEST(BaseShapeOf, FindsTheHeadlineAndTheMiddle) {
    EXPECT_EQ(baseShapeOf(imageOf({"", "", "", "..#########", "......#", "..##..#"})), (BaseShape{3, 6}));
    EXPECT_EQ(baseShapeOf(imageOf({"", ".##", "##"})), (BaseShape{1, 1, 2}));
    EXPECT_EQ(baseShapeOf(GlyphImage{}), std::nullopt);
}

// With the source's KA, an Ikaar is as wide as its own piece of the headline row reaches, so that the
// consonant after it continues the headline; the hook beyond stays lit, over that consonant.
TEST(GlyphFromImage, AnIkaarEndsWhereItsPieceOfTheHeadlineDoes) {
    const std::vector<std::string> drawn = {".###.", "#...#", "#....", "#####", "#....", "#...."};
    const std::vector<std::string> hooked = {"..########", ".#........#", ".#", "####", ".#", ".#"};
    const std::vector<std::string> touching = {"...#####", ".......#", "####...#", ".#"};
    struct Case {
        const char* what;
        std::vector<std::string> rows;
        std::optional<BaseShape> base;
        int glyph;
        int width;
    };
    const std::vector<Case> cases = {
        {"a hand-drawn Ikaar", drawn, BaseShape{3, 7}, 0x3F, 5},
        {"the hook reaching over the consonant", hooked, BaseShape{3, 7}, 0x3F, 4},
        {"only the piece the stem starts counts", touching, BaseShape{2, 4}, 0x3F, 4},
        {"no ink on the headline row", hooked, BaseShape{9, 7}, 0x3F, 11},
        {"no KA in the source", hooked, std::nullopt, 0x3F, 11},
        {"a consonant keeps its extent", hooked, BaseShape{3, 7}, 0x15, 11},
    };
    for (const Case& c : cases) {
        const Glyph glyph = glyphFromImage(imageOf(c.rows), c.glyph, {}, c.base);
        EXPECT_EQ(glyph.width, c.width) << c.what;
        EXPECT_EQ(glyph.centre, (c.width - 1) / 2 + 1) << c.what;
        // Every lit pixel is kept, also right of the width.
        for (std::size_t r = 0; r < c.rows.size(); ++r) {
            for (std::size_t col = 0; col < c.rows[r].size(); ++col) {
                EXPECT_EQ(glyph.lit(static_cast<int>(col), static_cast<int>(r)), c.rows[r][col] == '#')
                    << c.what << " row " << r << " column " << col;
            }
        }
    }
}

// With KA's shape, a Vowel's centre marks where the source has KA's middle column, the glyph starting at the
// sign's ink or there, whichever is further left.
TEST(GlyphFromImage, AVowelKeepsItsPlaceOnTheBase) {
    struct Case {
        const char* what;
        std::vector<std::string> rows;
        std::optional<BaseShape> base;
        int width;
        int centre;  // as the record holds it
        int shift;   // image column c becomes glyph column c - shift
    };
    const std::vector<Case> cases = {
        {"over the middle", {".......##", ".......##"}, BaseShape{3, 7}, 2, 1, 7},
        {"mostly left of it", {"...####", ".......#", "........#"}, BaseShape{3, 7}, 6, 5, 3},
        {"right of it", {".........##"}, BaseShape{3, 7}, 4, 1, 7},
        {"too far from it", {"", "", "", "..................###"}, BaseShape{3, 2}, 3, 2, 18},
        {"no KA in the source", {"...####", ".......#"}, std::nullopt, 5, 3, 3},
    };
    for (const Case& c : cases) {
        const Glyph glyph = glyphFromImage(imageOf(c.rows), 0x47, {}, c.base);
        EXPECT_EQ(glyph.kind, GlyphKind::Vowel);
        EXPECT_EQ(glyph.width, c.width) << c.what;
        EXPECT_EQ(glyph.centre, c.centre) << c.what;
        Glyph expected = glyph;
        expected.columns = {};
        for (std::size_t r = 0; r < c.rows.size(); ++r) {
            for (std::size_t col = 0; col < c.rows[r].size(); ++col) {
                if (c.rows[r][col] == '#') {
                    expected.setLit(static_cast<int>(col) - c.shift, static_cast<int>(r), true);
                }
            }
        }
        EXPECT_EQ(glyph.columns, expected.columns) << c.what;
    }
}

// A sign is taken as the source places it on KA where the source says and it fits there, else on its own.
TEST(ImportGlyphs, TakesTheVowelSignsAsPlacedOnKa) {
    FixedSource source;
    source.images[U"\u0915"] = imageOf({"", "", "", "################"});
    source.images[U"\u0947"] = imageOf({"####"});
    source.onKa[U'\u0947'] = imageOf({"...####"});
    source.images[U"\u0902"] = imageOf({"", "", "##"});
    // Placed on KA it would leave the rows; on its own it fits.
    source.images[U"\u0951"] = imageOf({"#"});
    GlyphImage lost = imageOf({"......#"});
    lost.cut = true;
    source.onKa[U'\u0951'] = lost;
    FontTables tables = newFont(FontKind::Hindi);
    const ImportReport report = importGlyphs(tables, FontKind::Hindi, source, {});
    EXPECT_EQ(report.imported, (std::vector<int>{0x02, 0x15, 0x47, 0x51}));
    EXPECT_TRUE(report.cut.empty());
    EXPECT_EQ(glyphAt(tables, 0x51), glyphFromImage(imageOf({"#"}), 0x51, {}));
    EXPECT_EQ(glyphAt(tables, 0x47), glyphFromImage(imageOf({"...####"}), 0x47, {}, BaseShape{3, 7}));
    EXPECT_EQ(glyphAt(tables, 0x47).centre, 5);
    EXPECT_EQ(glyphAt(tables, 0x02), glyphFromImage(imageOf({"", "", "##"}), 0x02, {}));
}

TEST(GlyphKinds, FollowTheCodePoints) {
    std::vector<int> vowels;
    std::vector<int> ikaar;
    for (int g = 0; g < 512; ++g) {
        if (kindOfGlyph(g) == GlyphKind::Vowel) {
            vowels.push_back(g);
        } else if (kindOfGlyph(g) == GlyphKind::Ikaar) {
            ikaar.push_back(g);
        }
    }
    // The non-spacing marks of U+0900-097F.
    EXPECT_EQ(vowels,
              (std::vector<int>{0x00, 0x01, 0x02, 0x3A, 0x3C, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47,
                                0x48, 0x4D, 0x51, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x62, 0x63}));
    EXPECT_EQ(ikaar, std::vector<int>{0x3F});
}

TEST(ImportGlyphs, SetsTheSelectedGlyphsTheSourceHasAndKeepsTheRest) {
    FixedSource source;
    const GlyphImage dot = imageOf({"#"});
    source.images[U"\u0915"] = dot;
    source.images[U"\u0916"] = dot;
    source.images[U"\u0917"] = dot;
    source.images[U"\u0915\u094D\u0937"] = imageOf({"##"});

    FontTables start = newFont(FontKind::Jukta512);
    Glyph drawn = glyphAt(start, 0x16);
    drawn.setLit(3, 3, true);
    setGlyph(start, 0x16, drawn, false);
    Glyph conjunct = glyphAt(start, 0x80);
    conjunct.pair = {0x15, 0x37};
    setGlyph(start, 0x80, conjunct, true);

    // Each selection in turn; the rest of the font stays as it was.
    const auto expectImport = [&](const GlyphSelection& selection, const std::vector<int>& imported,
                                  const std::vector<int>& missing) {
        FontTables tables = start;
        const ImportReport report = importGlyphs(tables, FontKind::Jukta512, source, selection);
        EXPECT_EQ(report.imported, imported);
        EXPECT_EQ(report.missing, missing);
        for (int g = 0; g < 512; ++g) {
            const Glyph before = glyphAt(start, g);
            const Glyph expected = std::count(imported.begin(), imported.end(), g) == 1
                                       ? glyphFromImage(g == 0x80 ? imageOf({"##"}) : dot, g, before.pair)
                                       : before;
            ASSERT_EQ(glyphAt(tables, g), expected) << "glyph " << g;
        }
    };
    GlyphSelection selection;
    selection.ranges.emplace_back(0x15, 0x18);
    expectImport(selection, {0x15, 0x16, 0x17}, {0x18});
    selection.onlyEmpty = true;
    expectImport(selection, {0x15, 0x17}, {0x18});
    selection.onlyEmpty = false;
    selection.ranges = {{0x17, 0x17}, {0x80, 0x81}};
    expectImport(selection, {0x17, 0x80}, {0x81});

    // Every glyph: KA for the shape of a consonant, then the whole block by code point, and of the conjuncts
    // only the one with a pair.
    FontTables tables = start;
    source.asked.clear();
    const ImportReport all = importGlyphs(tables, FontKind::Jukta512, source, {});
    EXPECT_EQ(source.asked.size(), 130u);
    EXPECT_EQ(source.asked.front(), U"\u0915");
    EXPECT_EQ(source.asked.back(), U"\u0915\u094D\u0937");
    EXPECT_EQ(all.imported, (std::vector<int>{0x15, 0x16, 0x17, 0x80}));
    EXPECT_EQ(all.missing.size(), 512u - 4u);
}

TEST(ImportGlyphs, ReportsInkBeyondSixteenColumnsAsCut) {
    FixedSource source;
    source.images[U"\u0915"] = imageOf({"#................#"});
    GlyphImage low = imageOf({"#"});
    low.cut = true;
    source.images[U"\u0916"] = low;
    source.images[U"\u0917"] = imageOf({"#..............#"});
    FontTables tables = newFont(FontKind::Hindi);
    const ImportReport report = importGlyphs(tables, FontKind::Hindi, source, {});
    EXPECT_EQ(report.cut, (std::vector<int>{0x15, 0x16}));
    EXPECT_EQ(glyphAt(tables, 0x15).width, 16);
    EXPECT_FALSE(glyphAt(tables, 0x15).lit(15, 0));
}

// An image that lights nothing (its ink lost off the rows at too large a size, or a blank in the source)
// is no glyph: the one in the font stays, and it is reported empty, neither imported nor cut.
TEST(ImportGlyphs, LeavesTheGlyphsWhoseImageLightsNothing) {
    FixedSource source;
    source.images[U"\u0915"] = imageOf({"#"});
    source.images[U"\u0916"] = GlyphImage{};
    GlyphImage lost;
    lost.cut = true;
    source.images[U"\u0917"] = lost;
    FontTables start = newFont(FontKind::Hindi);
    Glyph drawn = glyphAt(start, 0x17);
    drawn.setLit(3, 3, true);
    drawn.width = 5;
    setGlyph(start, 0x17, drawn, false);
    FontTables tables = start;
    const ImportReport report = importGlyphs(tables, FontKind::Hindi, source, {{{0x15, 0x17}}, false});
    EXPECT_EQ(report.imported, std::vector<int>{0x15});
    EXPECT_EQ(report.empty, (std::vector<int>{0x16, 0x17}));
    EXPECT_TRUE(report.missing.empty());
    EXPECT_TRUE(report.cut.empty());
    EXPECT_EQ(glyphAt(tables, 0x16), glyphAt(start, 0x16));
    EXPECT_EQ(glyphAt(tables, 0x17), drawn);
}

}  // namespace
}  // namespace ledfont::import
