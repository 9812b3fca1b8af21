#include <QLineEdit>

#include "FontFileFixture.h"

// The transfer of a glyph between the font and the controls, seen in the window: what the editor holds
// reaches the right control. The editor's own rules are tested with the editor.
namespace ledfont::ui {
namespace {

class GlyphTransferWindowTest : public FontFileWindowTest {
  protected:
    // Loads `font` as a file of its kind.
    void use(const FontTables& font) {
        writeFont(QStringLiteral("font.txt"), font);
        load(QStringLiteral("font.txt"), kindOf(font.JuktaMode));
        ASSERT_TRUE(messages.empty());
    }
    static void setRecord(FontTables& font, int glyph, int width, int kindCentre, int bitmap) {
        font.FontData.set(glyph, 0, width);
        font.FontData.set(glyph, 1, kindCentre);
        for (int i = 2; i < 34; ++i) {
            font.FontData.set(glyph, i, bitmap);
        }
    }
};

TEST_F(GlyphTransferWindowTest, GlyphCodesOfBothKinds) {
    const std::tuple<bool, int, const char*> cases[] = {{false, 0, "Code: 0900"},  {false, 15, "Code: 090F"},
                                                        {false, 16, "Code: 0910"}, {false, 127, "Code: 097F"},
                                                        {true, 0, "Code: 000"},    {true, 15, "Code: 00F"},
                                                        {true, 16, "Code: 010"},   {true, 255, "Code: 0FF"},
                                                        {true, 256, "Code: 100"},  {true, 511, "Code: 1FF"}};
    for (auto [jukta, glyph, code] : cases) {
        if (tables().JuktaMode != jukta || window.documentFile().empty()) {
            use(*makeFont(kindOf(jukta), 1));
        }
        window.LoadCharacter(glyph);
        EXPECT_EQ(text("lblLoc"), code) << glyph;
    }
}

TEST_F(GlyphTransferWindowTest, GlyphTwoNinetySixSetsTheCaptionForGood) {
    auto font = makeFont(FontKind::Jukta512, 1);
    font->FontData.set(296, 0, 0);
    use(*font);
    const QString before = window.windowTitle();
    window.LoadCharacter(295);
    EXPECT_EQ(window.windowTitle(), before);
    window.LoadCharacter(296);
    EXPECT_EQ(window.windowTitle(), "16") << "a stored 0 is width 16";
    click("cmdShowInc");
    click("cmdShowInc");
    EXPECT_EQ(tables().CurChar, 298);
    EXPECT_EQ(window.windowTitle(), "16");
    window.LoadCharacter(296);
    combo("cmbCols")->setCurrentIndex(1);  // width 2, picked as the user does
    emit combo("cmbCols")->activated(1);
    window.SaveCharacter(296);
    window.LoadCharacter(296);
    EXPECT_EQ(window.windowTitle(), "2");
}

// How a record's width and kind byte show in the controls and on the canvas.
TEST_F(GlyphTransferWindowTest, RecordFieldsShown) {
    struct Case {
        int width, kindCentre, bitmap;
        const char* cols;
        const char* centre;
        const char* option;
        int lit;
    };
    const Case cases[] = {
        {0, 0x00, 0x00, "16", "", "optConst", 256},  // the zero record: width 16, all lit
        {6, 0x15, 0x0F, "6", "5", "optVowel", 128},    {3, 0x21, 0xFF, "3", "1", "optIkaar", 0},
        {3, 0x34, 0xFF, "3", "4", "optIkaar", 0},       // kind 3 leaves the last option set
        {200, 0x02, 0x0F, "16", "2", "optConst", 128},  // width above 16 shows 16
    };
    FontTables font;
    for (int glyph = 0; glyph < 5; ++glyph) {
        setRecord(font, glyph, cases[glyph].width, cases[glyph].kindCentre, cases[glyph].bitmap);
    }
    use(font);
    int glyph = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(glyph);
        window.LoadCharacter(glyph++);
        EXPECT_EQ(combo("cmbCols")->currentText(), c.cols);
        EXPECT_EQ(greenLineX(), 10 * combo("cmbCols")->currentText().toInt());
        EXPECT_EQ(combo("cmbCentre")->currentText(), c.centre);
        EXPECT_TRUE(checked(c.option));
        EXPECT_EQ(litCount(), c.lit);
    }
    // No centre: the marker stands one step left of the canvas.
    window.LoadCharacter(0);
    EXPECT_FLOAT_EQ(pic()->markerLeft(), 81.5625f);
    EXPECT_LT(control("shpCentre")->x(), pic()->x());
    EXPECT_TRUE(messages.empty());
}

TEST_F(GlyphTransferWindowTest, ConjunctPairShownAndChosen) {
    auto font = makeFont(FontKind::Jukta512, 1);
    font->JuktaData.set(4, 0, 0x0A);
    font->JuktaData.set(4, 1, 0x33);
    font->JuktaData.set(8, 0, 0x9C);
    use(*font);
    window.LoadCharacter(4);
    EXPECT_EQ(text("txtJukta_0"), "0A");
    EXPECT_EQ(combo("cmbJuk_0")->currentIndex(), 10);
    EXPECT_EQ(combo("cmbJuk_1")->currentIndex(), 0x33);
    pickLast("cmbJuk_1");
    EXPECT_EQ(text("txtJukta_1"), "7F");
    EXPECT_EQ(tables().JuktaData(4, 1), 0x33) << "the table waits for the glyph to be stored";
    window.SaveCharacter(4);
    EXPECT_EQ(tables().JuktaData(4, 1), 127);
    EXPECT_EQ(tables().JuktaData(4, 0), 0x0A);
    window.LoadCharacter(8);
    EXPECT_EQ(text("txtJukta_0"), "9C");
    EXPECT_EQ(combo("cmbJuk_0")->currentIndex(), -1);
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
    click("cmdShowDec");
    EXPECT_EQ(tables().CurChar, 0);
    EXPECT_EQ(text("lblLoc"), "Code: 0900");
    EXPECT_TRUE(messages.empty());
}

TEST_F(GlyphTransferWindowTest, FailureWhileSteppingIsReportedAndWritesNothing) {
    auto font = makeFont(FontKind::Jukta512, 1);
    setRecord(*font, 12, 1, 0x01, 0x00);  // every LED lit
    use(*font);
    window.LoadCharacter(12);
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
