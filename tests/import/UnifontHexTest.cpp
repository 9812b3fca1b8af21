#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "../font/EndlessSource.h"
#include "ImportData.h"
#include "import/BdfFont.h"
#include "import/GlyphImport.h"
#include "import/TextLines.h"
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
        // Appended, not added: GCC 12 at -O3 warns falsely (-Wrestrict) about a literal plus a string.
        {std::string(":").append(32, '0'), "line 1: the code point \"\" is not 1 to 6 hex digits"},
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

// A source of gigabytes, or an endless one, is refused at its first bad line having read no further than it,
// and a line with no end in sight is refused once it is longer than any line of a font.
TEST(SourceReaders, StopAtTheFirstBadLine) {
    const std::string hexLine = "0915:" + std::string(64, '0') + "\n";
    const std::string tooLong = "line 1: the line is longer than 4096 characters (is this a text file?)";
    struct Case {
        bool bdf;
        std::string head;
        std::string tail;
        std::string message;
    };
    const std::vector<Case> cases = {
        {false, "hello\n", hexLine, "line 1: expected CODEPOINT:DIGITS, found \"hello\""},
        {false, "", std::string(64, '\0'), tooLong},
        {false, "0915:", std::string(64, '0'), tooLong},
        {true,
         "\x7F"
         "ELF\n",
         "STARTCHAR x\n", "line 1: not a BDF font: expected STARTFONT, found \"\\x7FELF\""},
        {true, "STARTFONT 2.1\nCOMMENT ", std::string(64, 'x'),
         "line 2: the line is longer than 4096 characters (is this a text file?)"},
    };
    for (const Case& c : cases) {
        test::EndlessSource endless(c.head, c.tail, 1 << 20);
        std::istream in(&endless);
        try {
            if (c.bdf) {
                BdfSource source(in);
            } else {
                UnifontHexSource source(in);
            }
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const SourceError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
        EXPECT_LE(endless.served(), TextLines::kLongestLine + c.head.size() + 2 * c.tail.size()) << c.message;
    }
}

// An outline font is read whole, so a file past the limit is refused before it is read further.
TEST(SourceReaders, ReadWholeFileRefusesAFileOverItsLimit) {
    test::TempFolder folder;
    constexpr std::size_t kMiB = std::size_t{1} << 20;
    test::writeFile(folder / "exact.ttf", std::string(kMiB, 'x'));
    test::writeFile(folder / "over.ttf", std::string(kMiB + 1, 'x'));
    EXPECT_EQ(readWholeFile(folder / "exact.ttf", kMiB).size(), kMiB);
    try {
        readWholeFile(folder / "over.ttf", kMiB);
        ADD_FAILURE() << "read a file over the limit";
    } catch (const SourceError& e) {
        EXPECT_EQ(e.what(), (folder / "over.ttf").string() + ": is larger than 1 MiB, too large for a font");
    }
}

#ifndef _WIN32  // Debian's packages are there on Linux only
// The whole Debian Unifont: every glyph of the block is its pixels, pixel (row r, column c) the LED in
// column c - (the first lit column, or for a vowel sign the cell's middle column where that is further left),
// row r; a consonant's or spacing sign's headline may run on to its edge, and the dots ं ँ move clear of
// े ै (composition tests hold those). Signs sit in the cell a consonant shares with them, so a consonant's
// centre is the cell's middle column too.
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
        // A vowel sign keeps its place in the cell, KA's middle column (7) marked by its centre; the rest
        // starts at its first lit column. The Ikaar ends where its piece of the headline, "####" on row 3,
        // does; its hook reaches further.
        const bool vowel = kindOfGlyph(g) == GlyphKind::Vowel;
        const int start = vowel ? std::min(first, 7) : first;
        const Glyph glyph = glyphAt(tables, g);
        if (g == 0x01 || g == 0x02) {
            continue;
        }
        for (int r = 0; r < 16; ++r) {
            for (int c = 0; c < 16; ++c) {
                const bool expected = c + start < 16 && pixel(r, c + start);
                if (r != 3 || expected) {
                    ASSERT_EQ(glyph.lit(c, r), expected) << "glyph " << g << " column " << c << " row " << r;
                }
            }
        }
        const int width = g == 0x3F ? 4 : (vowel ? std::max(last, 7) : last) - start + 1;
        EXPECT_EQ(glyph.width, width) << g;
        const bool consonant = (g >= 0x15 && g <= 0x39) || (g >= 0x58 && g <= 0x5F);
        EXPECT_EQ(glyph.centre - 1, vowel || consonant ? std::clamp(7 - start, 0, 14) : (width - 1) / 2)
            << g << ": the marker";
        EXPECT_EQ(glyph.kind, kindOfGlyph(g)) << g;
    }
}
#endif

}  // namespace
}  // namespace ledfont::import
