#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "ImportData.h"
#include "import/GlyphImport.h"
#include "import/UnifontHex.h"
#include "support/TestFiles.h"

namespace ledfont::import {
namespace {

TEST(UnifontHex, ReadsBothWidthsWithTheHighestBitLeftmost) {
    const std::string narrow = "0915:" + std::string(2, '0') + "81" + std::string(28, '0') + "\n";
    const std::string wide = "0916:8001" + std::string(56, '0') + "C000\r\n\n";
    const UnifontHexSource source(narrow + wide + "10FFFF:" + std::string(32, 'F'));
    GlyphImage ka;
    ka.rows[1] = 1u << 0 | 1u << 7;
    GlyphImage kha;
    kha.rows[0] = 1u << 0 | 1u << 15;
    kha.rows[15] = 1u << 0 | 1u << 1;
    EXPECT_EQ(source.image(U"\u0915"), ka);
    EXPECT_EQ(source.image(U"\u0916"), kha);
    EXPECT_EQ(source.image(U"\u0917"), std::nullopt);
    EXPECT_EQ(source.image(U"\u0915\u094D\u0937"), std::nullopt);
}

TEST(UnifontHex, RejectsABadLineNamingIt) {
    const std::string good = "0915:" + std::string(64, '0') + "\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {good + "0916:" + std::string(63, '0') + "\n",
         "line 2: U+0916 has 63 digits, expected 32 (8x16) or 64 (16x16)"},
        {good + good, "line 2: U+0915 is given a second time"},
        {"hello\n", "line 1: expected CODEPOINT:DIGITS, found \"hello\""},
        {"09G5:" + std::string(32, '0'), "line 1: 'G' in the code point is not a hex digit"},
        {":" + std::string(32, '0'), "line 1: the code point \"\" is not 1 to 6 hex digits"},
        {"110000:" + std::string(32, '0'), "line 1: the code point 110000 is past U+10FFFF"},
        {"0915:" + std::string(31, '0') + "x", "line 1: 'x' in the bitmap of U+0915 is not a hex digit"},
        {"\n\n0915:" + std::string(32, '0') + " ",
         "line 3: U+0915 has 33 digits, expected 32 (8x16) or 64 (16x16)"},
    };
    for (const auto& [text, message] : cases) {
        try {
            UnifontHexSource source(text);
            ADD_FAILURE() << "accepted: " << message;
        } catch (const SourceError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

#ifndef _WIN32  // Debian's packages are there on Linux only
// The whole Debian Unifont: every glyph of the block is its pixels, pixel (row r, column c) the LED in
// column c - (the first lit column), row r.
TEST(UnifontHex, TheDebianBlockBecomesAHindiFontPixelForPixel) {
    LEDFONT_NEED_IMPORT_DATA(std::filesystem::exists(test::kUnifontHex), "Unifont (package unifont)");
    std::ifstream in(test::kUnifontHex);
    std::vector<std::string> lines(128);
    for (std::string line; std::getline(in, line);) {
        const unsigned code = std::stoul(line.substr(0, line.find(':')), nullptr, 16);
        if (code >= 0x900 && code < 0x980) {
            lines[code - 0x900] = line.substr(line.find(':') + 1);
        }
    }
    FontTables tables = newFont(FontKind::Hindi);
    const ImportReport report =
        importGlyphs(tables, FontKind::Hindi, UnifontHexSource::fromFile(test::kUnifontHex), {});
    ASSERT_EQ(report.imported.size(), 128u);
    for (int g = 0; g < 128; ++g) {
        const std::string& digits = lines[static_cast<std::size_t>(g)];
        ASSERT_EQ(digits.size(), 64u) << g;
        auto pixel = [&](int row, int column) {
            const int nibble =
                std::stoi(digits.substr(static_cast<std::size_t>(row * 4 + column / 4), 1), nullptr, 16);
            return ((nibble >> (3 - column % 4)) & 1) == 1;
        };
        int first = 16;
        int last = -1;
        for (int r = 0; r < 16; ++r) {
            for (int c = 0; c < 16; ++c) {
                if (pixel(r, c)) {
                    first = std::min(first, c);
                    last = std::max(last, c);
                }
            }
        }
        const Glyph glyph = glyphAt(tables, g);
        for (int r = 0; r < 16; ++r) {
            for (int c = 0; c < 16; ++c) {
                const bool expected = last >= 0 && c + first < 16 && pixel(r, c + first);
                ASSERT_EQ(glyph.lit(c, r), expected) << "glyph " << g << " column " << c << " row " << r;
            }
        }
        EXPECT_EQ(glyph.width, last < 0 ? 16 : last - first + 1) << g;
        EXPECT_EQ(glyph.centre - 1, (glyph.width - 1) / 2) << g << ": the marker over the middle column";
        EXPECT_EQ(glyph.kind, kindOfGlyph(g)) << g;
    }
}
#endif

}  // namespace
}  // namespace ledfont::import
