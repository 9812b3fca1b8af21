#include "compose/Warnings.h"

#include <gtest/gtest.h>

#include "compose/Utf8.h"

namespace ledfont::compose {
namespace {

// A Jukta512 font of dark glyphs, 8 wide with a centre, but for the records each case sets.
FontTables quietFont() {
    FontTables tables;
    tables.JuktaMode = true;
    Glyph dark;
    dark.width = 8;
    dark.centre = 4;
    dark.setLit(0, 0, true);
    for (int g = 0; g < glyphCount(FontKind::Jukta512); ++g) {
        setGlyph(tables, g, dark, false);
    }
    return tables;
}

TEST(GlyphWarnings, NameWhatMakesTheSignDrawOtherThanMeant) {
    FontTables tables = quietFont();
    const auto change = [&](int g, auto edit) {
        Glyph glyph = glyphAt(tables, g);
        edit(glyph);
        setGlyph(tables, g, glyph, true);
    };
    change(3, [](Glyph& g) { g.setLit(9, 4, true); });  // lit in column 10 of 8
    change(4, [](Glyph& g) { g.centre = 9; });          // centre beyond 8
    change(5, [](Glyph& g) {
        g.kind = GlyphKind::Vowel;
        g.centre = 0;
    });
    change(6, [](Glyph& g) { g.kind = static_cast<GlyphKind>(7); });
    change(7, [](Glyph& g) { g.width = 20; });
    change(8, [](Glyph& g) { g.columns.fill(0); });  // empty, and named below
    change(10, [](Glyph& g) {                        // an Ikaar's hook over the next consonant is no overhang
        g.kind = GlyphKind::Ikaar;
        g.setLit(12, 0, true);
    });
    change(200, [](Glyph& g) { g.pair = {0x15, 0x08}; });
    change(201, [](Glyph& g) { g.pair = {0x15, 0x37}; });
    change(300, [](Glyph& g) { g.pair = {0x15, 0x37}; });
    change(301, [](Glyph& g) { g.pair = {0x90, 0x37}; });
    std::vector<int> uses(512);
    uses[8] = 2;
    uses[9] = 5;

    EXPECT_EQ(glyphWarnings(tables, FontKind::Jukta512, uses), (std::vector<GlyphWarning>{
                                                                   {WarningKind::WidthAbove16, 7, 20},
                                                                   {WarningKind::KindAbove2, 6, 7},
                                                                   {WarningKind::PairByteAbove7F, 301},
                                                                   {WarningKind::LitRightOfWidth, 3, 10},
                                                                   {WarningKind::CentreBeyondWidth, 4, 9},
                                                                   {WarningKind::VowelWithoutCentre, 5},
                                                                   {WarningKind::PairNamesEmptyGlyph, 200, 8},
                                                                   {WarningKind::PairTaken, 300, 201},
                                                                   {WarningKind::EmptyGlyphUsed, 8, 2},
                                                               }));
    // A Hindi font has no pairs, and without a text no glyph is used.
    EXPECT_EQ(glyphWarnings(tables, FontKind::Hindi).size(), 5u);
}

TEST(Utf8, DecodesWellFormedTextAndMarksEveryBadSequence) {
    const struct {
        std::string bytes;
        std::u32string codes;
    } cases[] = {
        {"a \xE0\xA4\x95\xF0\x9F\x99\x82", {U'a', U' ', 0x0915, 0x1F642}},
        {"\xC0\xAF", {kReplacement, kReplacement}},  // overlong
        {"\xED\xA0\x80", {kReplacement}},            // a surrogate
        {"\xE0\xA4", {kReplacement}},                // cut short
        {"\xE0\xA4z", {kReplacement, U'z'}},
        {"\xF4\x90\x80\x80", {kReplacement}},  // above U+10FFFF
        {"\x80\xFF", {kReplacement, kReplacement}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decodeUtf8(c.bytes), c.codes) << c.bytes;
    }
    EXPECT_EQ(encodeUtf8(U"a \u0915\U0001F642"), "a \xE0\xA4\x95\xF0\x9F\x99\x82");
}

}  // namespace
}  // namespace ledfont::compose
