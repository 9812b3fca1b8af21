#include <gtest/gtest.h>

#include "font/GlyphText.h"

#include <random>
#include <regex>

#include "font/Error.h"

namespace ledfont {
namespace {

TEST(GlyphHeader, NamesWidthKindCentreAndPair) {
    FontTables tables;
    tables.FontData.set(3, 1, 0x15);
    tables.FontData.set(4, 0, 9);
    tables.FontData.set(4, 1, 0x2F);
    tables.FontData.set(5, 0, 200);
    tables.FontData.set(5, 1, 0x30);
    tables.JuktaData.set(300, 0, 0x0A);
    tables.JuktaData.set(300, 1, 0xFF);
    const std::vector<std::tuple<FontKind, int, std::string>> cases = {
        {FontKind::Hindi, 3, "glyph 3  Code: 0903  width 16  Vowel  centre 5"},
        {FontKind::Hindi, 4, "glyph 4  Code: 0904  width 9  Ikaar  centre 15"},
        {FontKind::Hindi, 5, "glyph 5  Code: 0905  width 200  kind 3  no centre"},
        {FontKind::Jukta512, 300, "glyph 300  Code: 12C  width 16  Consonant  no centre  conjunct 0A FF"},
    };
    for (const auto& [kind, glyph, text] : cases) {
        EXPECT_EQ(glyphHeader(tables, kind, glyph), text);
    }
}

TEST(GlyphRows, DrawsEveryBitInPlaceAndMarksTheWidth) {
    FontTables tables;
    // Column 0 lit in rows 0 and 15 only, column 2 dark in row 8 only, every other LED lit.
    tables.FontData.set(1, 0, 3);
    tables.FontData.set(1, 2, 0xFE);
    tables.FontData.set(1, 3, 0x7F);
    tables.FontData.set(1, 7, 0x01);
    for (int b = 2; b < 2 + kBitmapBytes; ++b) {
        tables.FontData.set(2, b, 0xFF);
    }
    std::string rows = glyphRows(tables.FontData, 1);
    ASSERT_EQ(rows.size(), 16u * 18u);
    EXPECT_EQ(rows.substr(0, 18), "###|#############\n");
    EXPECT_EQ(rows.substr(18, 18), ".##|#############\n");
    EXPECT_EQ(rows.substr(8 * 18, 18), ".#.|#############\n");
    EXPECT_EQ(rows.substr(15 * 18, 18), "###|#############\n");
    // A stored width of 0 is 16 columns: no column lies beyond it.
    std::string allLit;
    for (int r = 0; r < 16; ++r) {
        allLit += std::string(16, '#') + "\n";
    }
    EXPECT_EQ(glyphRows(tables.FontData, 0), allLit);
    // A width above 16 has no column beyond it either.
    tables.FontData.set(2, 0, 17);
    EXPECT_EQ(glyphRows(tables.FontData, 2).substr(0, 17), std::string(16, '.') + "\n");
}

// What formatGlyph prints reads back as the same glyph, also with CR LF line ends and blanks around it;
// anything else says what is wrong.
TEST(ParseGlyphText, ReadsBackWhatFormatGlyphWritesAndRefusesTheRest) {
    std::mt19937 random(16);
    for (int n = 0; n < 300; ++n) {
        std::array<std::uint8_t, kRecordBytes> record{};
        for (auto& b : record) {
            b = static_cast<std::uint8_t>(random());
        }
        record[0] = static_cast<std::uint8_t>(1 + random() % 255);  // a stored 0 is printed, and read, as 16
        const Glyph glyph = Glyph::decode(record, {static_cast<std::uint8_t>(random()), 0x7F});
        const FontKind kind = n % 2 ? FontKind::Jukta512 : FontKind::Hindi;
        std::string text = formatGlyph(glyph, kind, n % 128);
        if (n % 3 == 0) {
            text = "  \n" + std::regex_replace(text, std::regex("\n"), "\r\n") + "\n";
        }
        const GlyphReading reading = parseGlyphText(text);
        EXPECT_EQ(reading.hasPair, kind == FontKind::Jukta512);
        Glyph expected = glyph;
        if (!reading.hasPair) {
            expected.pair = {};
        }
        ASSERT_EQ(reading.glyph, expected) << text;
    }
    const std::string good = formatGlyph(Glyph{}, FontKind::Hindi, 0);
    const std::pair<std::string, const char*> bad[] = {
        {"hello", "no glyph header"},
        {good.substr(0, good.size() - 18), "15 rows instead of 16"},
        {std::regex_replace(good, std::regex("width 16"), "width x"), "no number after"},
        {std::regex_replace(good, std::regex("\\.{16}"), "......o........."), "row 0 is not 16 LEDs"},
    };
    for (const auto& [text, why] : bad) {
        try {
            (void)parseGlyphText(text);
            ADD_FAILURE() << why;
        } catch (const Error& error) {
            EXPECT_EQ(error.code(), ErrorCode::TypeMismatch);
            EXPECT_NE(std::string(error.what()).find(why), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace ledfont
