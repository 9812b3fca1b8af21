#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "GlyphArt.h"
#include "font/FontText.h"
#include "support/TestFiles.h"

namespace ledfont::samples {
namespace {

// The checked-in sample fonts must be exactly what the drawings give, so nobody edits one by hand and
// lets it drift from its source.
TEST(Samples, AreTheFontsOfTheGlyphDrawings) {
    std::ifstream art(LEDFONT_DRAWINGS);
    ASSERT_TRUE(art);
    auto tables = std::make_unique<FontTables>();
    readGlyphArt(art, *tables);

    tables->JuktaMode = false;
    EXPECT_EQ(formatFontText(*tables), test::readFile(LEDFONT_SAMPLES_DIR "/hindi.txt"));
    tables->JuktaMode = true;
    EXPECT_EQ(formatFontText(*tables), test::readFile(LEDFONT_SAMPLES_DIR "/jukta512.txt"));

    // KA: headline on row 3 across its 11 columns, stem in column 6.
    EXPECT_EQ(glyphWidth(tables->FontData, 0x15), 11);
    EXPECT_TRUE(ledLit(tables->FontData, 0x15, 10, 3));
    EXPECT_TRUE(ledLit(tables->FontData, 0x15, 6, 12));
    EXPECT_FALSE(ledLit(tables->FontData, 0x15, 0, 0));
    EXPECT_EQ(tables->JuktaData(0x80, 0), 0x15);
    EXPECT_EQ(tables->JuktaData(0x80, 1), 0x37);
}

// The editor starts in samples/, and its file list offers every file there as a font: only fonts stand there.
TEST(Samples, TheFolderHoldsOnlyTheSampleFonts) {
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(LEDFONT_SAMPLES_DIR), {}), 2);
}

TEST(Samples, BadDrawingsAreReportedWithTheirLine) {
    const std::pair<const char*, long> cases[] = {
        {"glyph 0x05 width 3 kind vowel centre 1\n#x#\n", 2},
        {"glyph 0x05 width 3 kind vowel centre 1\n####\n", 2},
        {"glyph 0x05 width 17 kind vowel centre 1\n", 1},
        {"glyph 0x200 width 3 kind vowel centre 1\n", 1},
        {"glyph 0x05 width 3 kind round centre 1\n", 1},
        {"glyph 0x05 width 3 kind vowel centre 1\n#\n#\n", 3},
    };
    for (auto [text, line] : cases) {
        std::istringstream in(text);
        auto tables = std::make_unique<FontTables>();
        try {
            readGlyphArt(in, *tables);
            ADD_FAILURE() << text;
        } catch (const Error& e) {
            EXPECT_EQ(e.place().line, line) << text;
        }
    }
}

}  // namespace
}  // namespace ledfont::samples
