#include <QLineEdit>
#include <random>

#include "WindowFixture.h"

namespace ledfont::ui {
namespace {

class GlyphTransferWindowTest : public WindowTest {
  protected:
    // Sets the record's width and kind bytes, and its bitmap bytes to `bitmap` unless it is negative.
    void setRecord(int glyph, int width, int kindCentre, int bitmap = -1) {
        tables().FontData.set(glyph, 0, width);
        tables().FontData.set(glyph, 1, kindCentre);
        for (int i = 2; bitmap >= 0 && i < 34; ++i) {
            tables().FontData.set(glyph, i, bitmap);
        }
    }
    void showJukta(int glyph) {
        tables().JuktaMode = true;
        tables().CurChar = static_cast<std::int16_t>(glyph);
        window.LoadCharacter(glyph);
    }
};

TEST_F(GlyphTransferWindowTest, GlyphCodesOfBothKinds) {
    const std::tuple<bool, int, const char*> cases[] = {{false, 0, "Code: 0900"},  {false, 15, "Code: 090F"},
                                                        {false, 16, "Code: 0910"}, {false, 127, "Code: 097F"},
                                                        {true, 0, "Code: 000"},    {true, 15, "Code: 00F"},
                                                        {true, 16, "Code: 010"},   {true, 255, "Code: 0FF"},
                                                        {true, 256, "Code: 100"},  {true, 511, "Code: 1FF"}};
    for (auto [jukta, glyph, code] : cases) {
        tables().JuktaMode = jukta;
        window.LoadCharacter(glyph);
        EXPECT_EQ(text("lblLoc"), code) << glyph;
    }
}

// Showing a glyph clears the picture, draws the grid and the lit boxes; the width list's Click handler then
// draws the grid again and the limit line, once: nothing is drawn twice.
TEST_F(GlyphTransferWindowTest, ShowingAGlyphDrawsEachStepOnce) {
    setRecord(5, 9, 0x13, 0xF0);  // rows 0..3 and 8..11 of every column lit
    const unsigned long before = raster().generation();
    window.LoadCharacter(5);
    EXPECT_EQ(raster().generation() - before, 1u + 34u + 128u + 34u + 1u);
    EXPECT_EQ(greenLineX(), 90);
}

TEST_F(GlyphTransferWindowTest, GlyphTwoNinetySixSetsTheCaptionForGood) {
    const QString before = window.windowTitle();
    showJukta(295);
    EXPECT_EQ(window.windowTitle(), before);
    showJukta(296);
    EXPECT_EQ(window.windowTitle(), "16") << "a stored 0 is width 16";
    click("cmdShowInc");
    click("cmdShowInc");
    EXPECT_EQ(tables().CurChar, 298);
    EXPECT_EQ(window.windowTitle(), "16");
    tables().FontData.set(296, 0, 5);
    window.LoadCharacter(296);
    EXPECT_EQ(window.windowTitle(), "5");
}

// How a record's width and kind byte show, and what storing it unchanged writes back.
TEST_F(GlyphTransferWindowTest, RecordFieldsShownAndStored) {
    struct Case {
        int width, kindCentre, bitmap;
        const char* cols;
        const char* centre;
        const char* option;
        int lit, storedWidth, storedKind;
    };
    const Case cases[] = {
        {0, 0x00, 0x00, "16", "", "optConst", 256, 16, 0x00},  // the zero record: width 16, all lit
        {6, 0x15, 0x0F, "6", "5", "optVowel", 128, 6, 0x15},
        {3, 0x21, 0xFF, "3", "1", "optIkaar", 0, 3, 0x21},
        {3, 0x34, 0xFF, "3", "4", "optIkaar", 0, 3, 0x24},        // kind 3 leaves the last option set
        {200, 0x02, 0x0F, "16", "2", "optConst", 128, 16, 0x02},  // width above 16 shows and stores 16
    };
    int glyph = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(glyph);
        setRecord(glyph, c.width, c.kindCentre, c.bitmap);
        const FontDataTable before = tables().FontData;
        window.LoadCharacter(glyph);
        EXPECT_EQ(combo("cmbCols")->currentText(), c.cols);
        EXPECT_EQ(greenLineX(), 10 * combo("cmbCols")->currentText().toInt());
        EXPECT_EQ(combo("cmbCentre")->currentText(), c.centre);
        EXPECT_TRUE(checked(c.option));
        EXPECT_EQ(litCount(), c.lit);
        window.SaveCharacter(glyph);
        EXPECT_EQ(tables().FontData(glyph, 0), c.storedWidth);
        EXPECT_EQ(tables().FontData(glyph, 1), c.storedKind);
        tables().FontData.set(glyph, 0, c.width);
        tables().FontData.set(glyph, 1, c.kindCentre);
        EXPECT_TRUE(tables().FontData == before) << "the bitmap and other records stay";
        ++glyph;
    }
    // No centre: the marker stands one step left of the canvas.
    window.LoadCharacter(0);
    EXPECT_FLOAT_EQ(pic()->markerLeft(), 81.5625f);
    EXPECT_LT(control("shpCentre")->x(), pic()->x());
    EXPECT_TRUE(messages.empty());
}

// Any valid record, shown and stored without edits, stays as it was; so does its conjunct pair.
TEST_F(GlyphTransferWindowTest, ShowAndStoreKeepsEveryValidRecord) {
    std::mt19937 random(77);
    auto draw = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (bool jukta : {false, true}) {
        tables().JuktaMode = jukta;
        for (int round = 0; round < 150; ++round) {
            const int glyph = draw(jukta ? 512 : 128);
            setRecord(glyph, 1 + draw(16), 16 * draw(3) + 1 + draw(15));
            for (int i = 2; i < 34; ++i) {
                tables().FontData.set(glyph, i, draw(256));
            }
            tables().JuktaData.set(glyph, 0, draw(128));
            tables().JuktaData.set(glyph, 1, draw(128));
            const FontTables before = tables();
            window.LoadCharacter(glyph);
            window.SaveCharacter(glyph);
            ASSERT_TRUE(tables().FontData == before.FontData) << "glyph " << glyph << " jukta " << jukta;
            ASSERT_TRUE(tables().JuktaData == before.JuktaData) << "glyph " << glyph;
        }
    }
}

TEST_F(GlyphTransferWindowTest, ConjunctPairShownAndChosen) {
    tables().JuktaData.set(4, 0, 0x0A);
    tables().JuktaData.set(4, 1, 0x33);
    showJukta(4);
    EXPECT_EQ(text("txtJukta_0"), "0A");
    EXPECT_EQ(combo("cmbJuk_0")->currentIndex(), 10);
    EXPECT_EQ(combo("cmbJuk_1")->currentIndex(), 0x33);
    pickLast("cmbJuk_1");
    EXPECT_EQ(text("txtJukta_1"), "7F");
    EXPECT_EQ(tables().JuktaData(4, 1), 0x33) << "the table waits for the glyph to be stored";
    window.SaveCharacter(4);
    EXPECT_EQ(tables().JuktaData(4, 1), 127);
    EXPECT_EQ(tables().JuktaData(4, 0), 0x0A);
}

TEST_F(GlyphTransferWindowTest, ConjunctByteAboveSevenFShownAndKept) {
    tables().JuktaData.set(8, 0, 0x9C);
    tables().JuktaData.set(8, 1, 0xFF);
    tables().JuktaData.set(9, 0, 0x12);
    showJukta(8);
    EXPECT_EQ(text("txtJukta_0"), "9C");
    EXPECT_EQ(text("txtJukta_1"), "FF");
    EXPECT_EQ(combo("cmbJuk_0")->currentIndex(), -1);
    EXPECT_EQ(combo("cmbJuk_1")->currentIndex(), -1);
    click("cmdShowInc");
    EXPECT_EQ(combo("cmbJuk_0")->currentIndex(), 0x12);
    click("cmdShowDec");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(tables().JuktaData(8, 0), 0x9C);
    EXPECT_EQ(tables().JuktaData(8, 1), 0xFF);
    EXPECT_EQ(text("txtJukta_0"), "9C");
}

TEST_F(GlyphTransferWindowTest, NextRightAfterStartUp) {
    click("cmdShowInc");
    EXPECT_EQ(tables().FontData(0, 0), 8);
    EXPECT_EQ(tables().FontData(0, 1), 1);
    for (int i = 2; i < 34; ++i) {
        EXPECT_EQ(tables().FontData(0, i), 0xFF) << i;
    }
    EXPECT_EQ(tables().CurChar, 1);
    EXPECT_EQ(text("lblLoc"), "Code: 0901");
    EXPECT_EQ(litCount(), 256);
    EXPECT_TRUE(messages.empty());
}

TEST_F(GlyphTransferWindowTest, SteppingStopsAtBothEnds) {
    for (auto [jukta, last] : {std::pair{false, 127}, std::pair{true, 511}}) {
        for (auto [glyph, button, x, byte] :
             {std::tuple{0, "cmdShowDec", 3, 2}, std::tuple{last, "cmdShowInc", -3, 32}}) {
            tables().JuktaMode = jukta;
            tables().CurChar = static_cast<std::int16_t>(glyph);
            window.LoadCharacter(glyph);
            QTest::mouseClick(pic(), Qt::RightButton, {}, QPoint((pic()->width() + x) % pic()->width(), 3));
            click(button);
            EXPECT_EQ(tables().CurChar, glyph) << "no wrap-around";
            EXPECT_EQ(tables().FontData(glyph, byte), 0x01) << "stored, then shown again";
            EXPECT_EQ(litCount(), 255);
        }
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(GlyphTransferWindowTest, HindiFontLeavesTheConjunctControlsAlone) {
    tables().JuktaData.set(0, 0, 0x44);
    tables().JuktaData.set(1, 1, 0x55);
    const JuktaDataTable pairs = tables().JuktaData;
    click("cmdShowInc");
    click("cmdShowInc");
    click("cmdShowDec");
    EXPECT_EQ(tables().CurChar, 1);
    EXPECT_TRUE(tables().JuktaData == pairs);
    EXPECT_EQ(text("txtJukta_0"), "00");
    EXPECT_EQ(text("txtJukta_1"), "01");
    EXPECT_EQ(combo("cmbJuk_1")->currentIndex(), 1);
}

TEST_F(GlyphTransferWindowTest, FailureWhileSteppingIsReportedAndWritesNothing) {
    showJukta(12);
    QTest::mouseClick(pic(), Qt::RightButton, {}, QPoint(3, 3));
    control<QLineEdit>("txtJukta_1")->setText("Z?");
    const FontTables before = tables();
    click("cmdShowInc");
    expectMessage("Error!", "Type mismatch");
    EXPECT_TRUE(tables().FontData == before.FontData) << "the record is not half-written";
    EXPECT_TRUE(tables().JuktaData == before.JuktaData);
    EXPECT_EQ(tables().CurChar, 12);

    // The window goes on working once the text holds a byte again.
    pickLast("cmbJuk_1");
    click("cmdShowInc");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(tables().CurChar, 13);
    EXPECT_EQ(tables().FontData(12, 2), 0x01);
    EXPECT_EQ(tables().JuktaData(12, 1), 0x7F);
}

}  // namespace
}  // namespace ledfont::ui
