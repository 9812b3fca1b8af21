#include "font/FontDocument.h"

#include <gtest/gtest.h>

#include <vector>

#include "font/Error.h"
#include "font/FontText.h"
#include "support/PatternTables.h"
#include "support/TestFiles.h"

namespace ledfont {
namespace {

class FontDocumentTest : public ::testing::Test {
  protected:
    FontDocumentTest() {
        document.addListener([this](int glyph) { heard.push_back(glyph); });
    }
    std::string path(const char* name) const { return (folder.path() / name).string(); }

    test::TempFolder folder;
    FontDocument document;
    std::vector<int> heard;
};

TEST_F(FontDocumentTest, LoadIsAllOrNothingAndMakesTheFileTheDocument) {
    const FontTables jukta = test::randomTables(3, true);
    saveFontFile(path("jukta.txt"), jukta);
    test::writeFile(folder.path() / "short.txt", "1\r\n2\r\n");
    document.setFontFile("chosen.txt");

    const FontTables before = document.tables();
    EXPECT_THROW(document.load(path("short.txt"), FontKind::Hindi), Error);
    EXPECT_EQ(document.tables(), before);
    EXPECT_TRUE(document.documentFile().empty());
    EXPECT_TRUE(heard.empty()) << "a failed load tells no view";

    EXPECT_TRUE(document.load(path("jukta.txt"), FontKind::Hindi)) << "the Jukta512 values go on";
    EXPECT_EQ(document.kind(), FontKind::Hindi);
    EXPECT_TRUE(document.documentHasMore());
    EXPECT_FALSE(document.load(path("jukta.txt"), FontKind::Jukta512));
    EXPECT_EQ(document.kind(), FontKind::Jukta512);
    EXPECT_EQ(formatFontText(document.tables()), formatFontText(jukta));
    EXPECT_EQ(document.fontFile(), "chosen.txt") << "the file chosen is the selection's, not the load's";
    EXPECT_EQ(document.documentFile(), path("jukta.txt"));
    EXPECT_FALSE(document.documentHasMore());
    EXPECT_EQ(heard, (std::vector<int>{FontDocument::kWholeFont, FontDocument::kWholeFont}));
}

TEST_F(FontDocumentTest, ChangesAreHeardAndTellUnsavedWorkUntilSaved) {
    saveFontFile(path("font.txt"), test::randomTables(4, false));
    EXPECT_FALSE(document.modified()) << "nothing loaded, nothing to lose";
    document.load(path("font.txt"), FontKind::Hindi);
    document.setFontFile("chosen.txt");
    heard.clear();

    Glyph glyph = document.glyph(7);
    glyph.setLit(3, 3, !glyph.lit(3, 3));
    document.setGlyph(7, glyph, false);
    EXPECT_EQ(document.glyph(7), glyph);
    EXPECT_TRUE(document.modified());
    EXPECT_THROW(document.setGlyph(601, glyph, true), Error);
    EXPECT_EQ(heard, std::vector<int>{7}) << "a bad index writes nothing and tells nothing";

    document.save(path("copy.txt"));
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(document.documentFile(), path("copy.txt"));
    EXPECT_EQ(test::readFile(folder.path() / "copy.txt"), formatFontText(document.tables()));

    FontTables other = test::randomTables(5, true);
    other.FontFile = "elsewhere.txt";
    document.setTables(other);
    EXPECT_TRUE(document.modified()) << "the kind and the glyphs changed";
    EXPECT_EQ(document.fontFile(), "chosen.txt") << "the file chosen stays";
    EXPECT_EQ(heard.back(), FontDocument::kWholeFont);
}

}  // namespace
}  // namespace ledfont
