#include "compose/Compose.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/RowGlyph.h"

namespace ledfont::compose {
namespace {

using test::rowGlyph;

constexpr char32_t kKa = 0x0915, kNa = 0x0928, kRa = 0x0930, kSsa = 0x0937, kI = 0x093F, kU = 0x0941,
                   kE = 0x0947;

FontTables testFont(FontKind kind) {
    FontTables tables;
    tables.JuktaMode = kind == FontKind::Jukta512;
    const auto set = [&](char32_t code, const Glyph& glyph) {
        setGlyph(tables, glyphOfCode(code), glyph, false);
    };
    set(kKa, rowGlyph(4, GlyphKind::Consonant, 2, 0, 4));  // centre column 1
    set(kNa, rowGlyph(3, GlyphKind::Consonant, 2, 1, 3));
    set(kSsa, rowGlyph(5, GlyphKind::Consonant, 3, 2, 5));
    set(kE, rowGlyph(2, GlyphKind::Vowel, 1, 3, 2));  // centre column 0
    set(kI, rowGlyph(2, GlyphKind::Ikaar, 0, 4, 2));
    set(kVirama, rowGlyph(1, GlyphKind::Vowel, 1, 5, 1));
    set(kU, rowGlyph(4, GlyphKind::Vowel, 4, 8, 4));       // centre column 3: hangs left of its base
    set(kRa, rowGlyph(2, GlyphKind::Consonant, 1, 9, 4));  // lit beyond its width
    // Two conjuncts with one pair: the lower one is drawn.
    setGlyph(tables, 130, rowGlyph(6, GlyphKind::Consonant, 3, 6, 6, {0x15, 0x37}), true);
    setGlyph(tables, 140, rowGlyph(6, GlyphKind::Consonant, 3, 7, 6, {0x15, 0x37}), true);
    // Unused records are dark, not the all-lit zero bytes.
    for (int g = 0; g < glyphCount(kind); ++g) {
        Glyph glyph = glyphAt(tables, g);
        if (glyph.width == 0) {
            glyph.columns.fill(0);
            glyph.width = 8;
            setGlyph(tables, g, glyph, false);
        }
    }
    return tables;
}

struct Case {
    const char* name;
    FontKind kind;
    std::u32string text;
    std::vector<std::pair<int, std::string>> rows;  // lit rows; every other row is dark
    std::vector<std::size_t> missing = {};
    std::vector<std::size_t> fallbacks = {};
};

std::string expectedRows(const Case& c) {
    const std::size_t width = c.rows.empty() ? 0 : c.rows.front().second.size();
    std::string rows;
    for (int row = 0; row < kGlyphRows; ++row) {
        std::string line(width, '.');
        for (const auto& [r, text] : c.rows) {
            if (r == row) {
                line = text;
            }
        }
        rows += line + '\n';
    }
    return rows;
}

TEST(ComposeText, PlacesGlyphsAsTheSignDoes) {
    const FontKind H = FontKind::Hindi, J = FontKind::Jukta512;
    const Case cases[] = {
        {"a space is 3 dark columns", H, {kSpace, kKa}, {{0, "...####"}}},
        {"a vowel's centre column on the base's", H, {kKa, kE}, {{0, "####"}, {3, ".##."}}},
        {"a vowel after a space has no base", H, {kKa, kSpace, kE}, {{0, "####....."}, {3, ".......##"}}},
        {"a vowel with no base is a consonant", H, {kE, kKa}, {{0, "..####"}, {3, "##...."}}},
        {"the Ikaar moves its base's cluster",
         H,
         {kKa, kNa, kI},
         {{0, "####....."}, {1, "......###"}, {4, "....##..."}}},
        {"the Ikaar moves a two-consonant cluster",
         H,
         {kKa, kVirama, kNa, kI},
         {{0, "..####..."}, {1, "......###"}, {4, "##......."}, {5, "...#....."}}},
        {"a vowel follows its base moved by an Ikaar",
         H,
         {kKa, kI, kE},
         {{0, "..####"}, {3, "...##."}, {4, "##...."}}},
        {"the lowest conjunct of the pair replaces the three",
         J,
         {kKa, kVirama, kSsa, kE},
         {{3, "..##.."}, {6, "######"}}},
        {"a Hindi font has no conjuncts",
         H,
         {kKa, kVirama, kSsa},
         {{0, "####....."}, {2, "....#####"}, {5, ".#......."}}},
        {"without a conjunct the virama is drawn",
         J,
         {kKa, kVirama, kNa},
         {{0, "####..."}, {1, "....###"}, {5, ".#....."}},
         {},
         {1}},
        {"columns left of the strip are cut", H, {kKa, kU}, {{0, "####"}, {8, "##.."}}},
        {"lit LEDs beyond the width widen the strip", H, {kRa}, {{9, "####"}}},
        {"lit wins where glyphs overlap", H, {kRa, kKa}, {{0, "..####"}, {9, "####.."}}},
        {"code points without a glyph draw nothing",
         J,
         {U'A', kKa, 0x200D, kVirama, 0x0980},
         {{0, "####"}, {5, ".#.."}},
         {0, 2, 4}},
        {"nothing to draw", H, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ComposeFont font(testFont(c.kind), c.kind);
        const Strip strip = composeText(font, c.text);
        EXPECT_EQ(stripRows(strip), expectedRows(c));
        EXPECT_EQ(strip.missing, c.missing);
        EXPECT_EQ(strip.fallbacks, c.fallbacks);
    }
}

TEST(ComposeText, ListsEachEmptyGlyphDrawnOnceAtItsFirstPlace) {
    FontTables tables = testFont(FontKind::Jukta512);
    // A conjunct glyph with a pair but no LED yet, as one is before it is drawn.
    setGlyph(tables, 150, rowGlyph(6, GlyphKind::Consonant, 3, 0, 0, {0x28, 0x15}), true);
    const ComposeFont font(tables, FontKind::Jukta512);
    constexpr char32_t kAa = 0x0906;  // dark in the test font
    const Strip strip = composeText(font, std::u32string{kKa, kAa, kNa, kVirama, kKa, kAa, kSpace, kNa});
    EXPECT_EQ(emptyGlyphsPlaced(font, strip),
              (std::vector<Placement>{{glyphOfCode(kAa), 4, 1}, {150, 12, 2}}));
    EXPECT_TRUE(emptyGlyphsPlaced(font, composeText(font, std::u32string{kKa, kNa})).empty());
}

}  // namespace
}  // namespace ledfont::compose
