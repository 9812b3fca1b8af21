#include "cli/FontCheck.h"

#include <gtest/gtest.h>

namespace ledfont::cli {
namespace {

TEST(FontWarnings, NameEveryGlyphTheEditorCannotShow) {
    FontTables tables;
    tables.FontData.set(5, 0, 17);
    tables.FontData.set(9, 0, 255);
    tables.FontData.set(7, 1, 0x31);
    tables.JuktaData.set(3, 0, 0x80);
    tables.JuktaData.set(400, 1, 0xFF);
    // Rows beyond the kind's glyphs are not part of the font.
    tables.FontData.set(128, 0, 99);
    tables.JuktaData.set(512, 0, 0xFF);

    EXPECT_EQ(fontWarnings(tables, FontKind::Hindi),
              (std::vector<std::string>{
                  "warning: width above 16 in 2 glyphs: 5 (width 17), 9 (width 255)",
                  "warning: kind other than Consonant, Vowel or Ikaar in 1 glyph: 7 (kind 3)",
              }));
    EXPECT_EQ(fontWarnings(tables, FontKind::Jukta512),
              (std::vector<std::string>{
                  "warning: width above 16 in 3 glyphs: 5 (width 17), 9 (width 255), 128 (width 99)",
                  "warning: kind other than Consonant, Vowel or Ikaar in 1 glyph: 7 (kind 3)",
                  "warning: conjunct byte above 7F in 2 glyphs: 3 (conjunct 80 00), 400 (conjunct 00 FF)",
              }));
    EXPECT_TRUE(fontWarnings(FontTables{}, FontKind::Jukta512).empty());
}

TEST(FontSummary, CountsWidthsAndKinds) {
    FontTables tables;
    for (int g = 0; g < 128; ++g) {
        tables.FontData.set(g, 0, 8);
    }
    tables.FontData.set(1, 0, 3);
    tables.FontData.set(2, 0, 0);
    tables.FontData.set(3, 1, 0x14);
    tables.FontData.set(4, 1, 0x20);
    tables.FontData.set(5, 1, 0x50);
    EXPECT_EQ(fontSummary(tables, FontKind::Hindi, 1),
              "summary: loads; widths 3..16; 125 Consonant, 1 Vowel, 1 Ikaar, 1 other; 1 warning");
    EXPECT_EQ(fontSummary(FontTables{}, FontKind::Jukta512, 0),
              "summary: loads; widths 16..16; 512 Consonant, 0 Vowel, 0 Ikaar; 0 warnings");
}

}  // namespace
}  // namespace ledfont::cli
