#include "compose/CompositionCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ledfont::compose {
namespace {

constexpr int kKa = 0x15, kU = 0x41, kAa = 0x3E, kE = 0x47, kAnusvara = 0x02;

struct Drawing {
    int glyph;
    GlyphKind kind;
    int centre;
    int width;
    int top;  // the row of the first line
    std::vector<std::string> rows;
};

Glyph glyphOf(const Drawing& d) {
    Glyph glyph;
    glyph.kind = d.kind;
    glyph.centre = static_cast<std::uint8_t>(d.centre);
    glyph.width = static_cast<std::uint8_t>(d.width);
    for (std::size_t r = 0; r < d.rows.size(); ++r) {
        for (std::size_t c = 0; c < d.rows[r].size(); ++c) {
            glyph.setLit(static_cast<int>(c), d.top + static_cast<int>(r), d.rows[r][c] == '#');
        }
    }
    return glyph;
}

// KA with its headline in row 3 and its stem in column 6, down to row 10: a lower sign hangs at (6, 10), not
// at the end of the bowl in (3, 10).
const Drawing kKaDrawing{
    kKa, GlyphKind::Consonant,
    7,   8,
    3,   {"########", "......#.", "..###.#.", ".#...##.", "..###.#.", "......#.", "......#.", "...#..#."}};

// A Hindi font of dark glyphs but KA and `signs`, so that only their pairs are composed.
ComposeFont fontWith(const std::vector<Drawing>& signs, FontKind kind = FontKind::Hindi) {
    FontTables tables;
    tables.JuktaMode = kind == FontKind::Jukta512;
    for (int g = 0; g < glyphCount(kind); ++g) {
        setGlyph(tables, g, Glyph{}, true);
    }
    setGlyph(tables, kKa, glyphOf(kKaDrawing), false);
    for (const Drawing& d : signs) {
        setGlyph(tables, d.glyph, glyphOf(d), false);
    }
    return ComposeFont(tables, kind);
}

// ु as a hook of rows 11..13; the centre decides where it hangs.
Drawing u(int centre) {
    return {kU, GlyphKind::Vowel, centre, 5, 11, {"....#", "#...#", ".###."}};
}

// े rising over columns 3..6 of KA; the dot ं in row 1 at column 6 (touching े) or 1 (clear of it).
const Drawing kEDrawing{kE, GlyphKind::Vowel, 4, 4, 0, {"##..", "..#.", "...#"}};
Drawing anusvara(int column, GlyphKind kind = GlyphKind::Vowel) {
    return {kAnusvara, kind, 7 - column, 1, 1, {"#"}};
}

TEST(CompositionCheck, FlagsSignsThatLeaveStandOffOrCollide) {
    using P = CompositionProblem;
    const struct {
        const char* what;
        std::vector<Drawing> signs;
        std::vector<CompositionFinding> found;
    } cases[] = {
        {"ु at the foot of the stem", {u(5)}, {}},
        {"ु left of the stem", {u(7)}, {{P::StandsOff, U"कु", kKa, kU}}},
        {"ु cut at a word's start, still at the stem",
         {{kU, GlyphKind::Vowel, 9, 9, 11, {"........#", "#.......#", ".#######."}}},
         {{P::LeavesStrip, U"कु", kKa, kU}}},
        {"ु cut and off the stem", {u(9)}, {{P::LeavesStrip, U"कु", kKa, kU}, {P::StandsOff, U"कु", kKa, kU}}},
        {"ु over the stem",
         {{kU, GlyphKind::Vowel, 2, 2, 8, {"##", "##", "##", "##"}}},
         {{P::Collides, U"कु", kKa, kU}}},
        {"ा after the consonant", {{kAa, GlyphKind::Consonant, 2, 3, 3, {"###", "..#", "..#", "..#"}}}, {}},
        {"ा after a dark column",
         {{kAa, GlyphKind::Consonant, 3, 4, 3, {".###", "...#", "...#", "...#"}}},
         {{P::StandsOff, U"का", kKa, kAa}}},
        {"ा drawn as a Vowel on the stem",
         {{kAa, GlyphKind::Vowel, 3, 3, 3, {"###", "..#", "..#", "..#"}}},
         {{P::Collides, U"का", kKa, kAa}}},
        {"ं clear of े", {kEDrawing, anusvara(1)}, {}},
        {"ं touching े", {kEDrawing, anusvara(6)}, {{P::Collides, U"कें", kKa, kAnusvara, kE}}},
        {"ं on the headline",
         {{kAnusvara, GlyphKind::Vowel, 5, 1, 3, {"#"}}},
         {{P::Collides, U"कं", kKa, kAnusvara}}},
        {"ं drawn after the consonant",
         {kEDrawing, anusvara(1, GlyphKind::Consonant)},
         {{P::StandsOff, U"कं", kKa, kAnusvara}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(compositionFindings(fontWith(c.signs)), c.found) << c.what;
    }
}

TEST(CompositionCheck, NamesTheGlyphsInvolvedAndTriesConjunctsByTheirCluster) {
    const std::vector<CompositionFinding> found =
        compositionFindings(fontWith({kEDrawing, anusvara(6), u(7)}));
    EXPECT_EQ(compositionWarnings(found), (std::vector<GlyphWarning>{
                                              {WarningKind::SignStandsOff, kKa, 1},
                                              {WarningKind::SignStandsOff, kU, 1},
                                              {WarningKind::SignCollides, kAnusvara, 1},
                                              {WarningKind::SignCollides, kE, 1},
                                          }));

    // A conjunct glyph is composed by its cluster; a glyph whose pair a lower one has never is.
    FontTables tables;
    tables.JuktaMode = true;
    for (int g = 0; g < glyphCount(FontKind::Jukta512); ++g) {
        setGlyph(tables, g, Glyph{}, true);
    }
    Glyph ksha = glyphOf(kKaDrawing);
    ksha.pair = {kKa, 0x37};
    setGlyph(tables, 200, ksha, true);
    setGlyph(tables, 300, ksha, true);
    setGlyph(tables, kU, glyphOf(u(7)), false);
    EXPECT_EQ(compositionFindings(ComposeFont(tables, FontKind::Jukta512)),
              (std::vector<CompositionFinding>{{CompositionProblem::StandsOff, U"क्षु", 200, kU}}));
}

}  // namespace
}  // namespace ledfont::compose
