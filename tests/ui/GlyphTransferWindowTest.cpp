#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <random>

#include "WindowFixture.h"

namespace ledfont::ui {
namespace {

class GlyphTransferWindowTest : public WindowTest {
  protected:
    QString code() { return control<QLabel>("lblLoc")->text(); }
    QString juktaText(int k) { return control<QLineEdit>(k == 0 ? "txtJukta_0" : "txtJukta_1")->text(); }
    QComboBox* jukList(int k) { return combo(k == 0 ? "cmbJuk_0" : "cmbJuk_1"); }
    bool checked(const char* option) { return control<QRadioButton>(option)->isChecked(); }
    void clickNext() { QTest::mouseClick(control<QPushButton>("cmdShowInc"), Qt::LeftButton); }
    void clickPrevious() { QTest::mouseClick(control<QPushButton>("cmdShowDec"), Qt::LeftButton); }

    void setRecord(int glyph, std::initializer_list<int> bytes) {
        int i = 0;
        for (int b : bytes) {
            tables().FontData.set(glyph, i++, b);
        }
    }
    // A record whose bitmap bytes are all FF shows no lit cell; fill them so a shown glyph is distinct.
    void fillBitmap(int glyph, int value) {
        for (int i = 2; i < 34; ++i) {
            tables().FontData.set(glyph, i, value);
        }
    }
};

TEST_F(GlyphTransferWindowTest, GlyphCodesOfBothKinds) {
    const std::pair<int, const char*> hindi[] = {
        {0, "Code: 0900"}, {15, "Code: 090F"}, {16, "Code: 0910"}, {127, "Code: 097F"}};
    for (auto [glyph, text] : hindi) {
        window.LoadCharacter(glyph);
        EXPECT_EQ(code(), text) << glyph;
    }
    tables().JuktaMode = true;
    const std::pair<int, const char*> jukta[] = {{0, "Code: 000"},   {15, "Code: 00F"},  {16, "Code: 010"},
                                                 {255, "Code: 0FF"}, {256, "Code: 100"}, {511, "Code: 1FF"}};
    for (auto [glyph, text] : jukta) {
        window.LoadCharacter(glyph);
        EXPECT_EQ(code(), text) << glyph;
    }
}

TEST_F(GlyphTransferWindowTest, GlyphTwoNinetySixSetsTheCaptionForGood) {
    tables().JuktaMode = true;
    QString before = window.windowTitle();
    window.LoadCharacter(295);
    EXPECT_EQ(window.windowTitle(), before);
    window.LoadCharacter(296);
    EXPECT_EQ(window.windowTitle(), "16") << "a stored 0 is width 16";
    tables().CurChar = 296;
    clickNext();
    clickNext();
    EXPECT_EQ(tables().CurChar, 298);
    EXPECT_EQ(window.windowTitle(), "16");
    tables().FontData.set(296, 0, 5);
    window.LoadCharacter(296);
    EXPECT_EQ(window.windowTitle(), "5");
}

TEST_F(GlyphTransferWindowTest, ZeroRecordShownAndStored) {
    window.LoadCharacter(3);
    EXPECT_EQ(litCount(), 256);
    EXPECT_EQ(combo("cmbCols")->currentText(), "16");
    EXPECT_EQ(greenLineX(), 160);
    EXPECT_TRUE(checked("optConst"));
    EXPECT_EQ(combo("cmbCentre")->currentIndex(), -1);
    EXPECT_FLOAT_EQ(pic()->markerLeft(), 81.5625f) << "one step left of the canvas";
    EXPECT_LT(control<QWidget>("shpCentre")->x(), pic()->x());

    window.SaveCharacter(3);
    EXPECT_EQ(tables().FontData(3, 0), 16);
    EXPECT_EQ(tables().FontData(3, 1), 0);
    for (int i = 2; i < 34; ++i) {
        EXPECT_EQ(tables().FontData(3, i), 0) << i;
    }
}

TEST_F(GlyphTransferWindowTest, AllDarkBitmapShowsNoLitCell) {
    setRecord(9, {4, 0x13});
    fillBitmap(9, 0xFF);
    window.LoadCharacter(9);
    EXPECT_EQ(litCount(), 0);
    EXPECT_EQ(greenLineX(), 40);
    EXPECT_FLOAT_EQ(pic()->markerLeft(), 240.0f + 2 * 2535.0f / 16);
}

TEST_F(GlyphTransferWindowTest, VowelCentreFiveRoundTrip) {
    setRecord(7, {6, 0x15});
    window.LoadCharacter(7);
    EXPECT_TRUE(checked("optVowel"));
    EXPECT_FALSE(checked("optConst"));
    EXPECT_EQ(combo("cmbCentre")->currentText(), "5");
    tables().FontData.set(7, 1, 0);
    window.SaveCharacter(7);
    EXPECT_EQ(tables().FontData(7, 1), 0x15);
    EXPECT_EQ(tables().FontData(7, 0), 6);
}

TEST_F(GlyphTransferWindowTest, UnknownKindLeavesTheOptionsAlone) {
    setRecord(1, {3, 0x21});
    setRecord(2, {3, 0x34});
    window.LoadCharacter(1);
    ASSERT_TRUE(checked("optIkaar"));
    window.LoadCharacter(2);
    EXPECT_TRUE(checked("optIkaar"));
    EXPECT_FALSE(checked("optConst"));
    EXPECT_FALSE(checked("optVowel"));
    EXPECT_EQ(combo("cmbCentre")->currentText(), "4");
    window.SaveCharacter(2);
    EXPECT_EQ(tables().FontData(2, 1), 0x24) << "the kind of the option that is set";
}

// Any valid record, shown and stored without edits, stays as it was; so does its conjunct pair.
TEST_F(GlyphTransferWindowTest, ShowAndStoreKeepsEveryValidRecord) {
    std::mt19937 random(77);
    auto draw = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (bool jukta : {false, true}) {
        tables().JuktaMode = jukta;
        for (int round = 0; round < 150; ++round) {
            int glyph = draw(jukta ? 512 : 128);
            setRecord(glyph, {1 + draw(16), 16 * draw(3) + 1 + draw(15)});
            for (int i = 2; i < 34; ++i) {
                tables().FontData.set(glyph, i, draw(256));
            }
            tables().JuktaData.set(glyph, 0, draw(128));
            tables().JuktaData.set(glyph, 1, draw(128));
            const FontDataTable font = tables().FontData;
            const JuktaDataTable pairs = tables().JuktaData;
            window.LoadCharacter(glyph);
            window.SaveCharacter(glyph);
            ASSERT_TRUE(tables().FontData == font) << "glyph " << glyph << " jukta " << jukta;
            ASSERT_TRUE(tables().JuktaData == pairs) << "glyph " << glyph;
        }
    }
}

TEST_F(GlyphTransferWindowTest, ConjunctPairShownAndChosen) {
    tables().JuktaMode = true;
    tables().JuktaData.set(4, 0, 0x0A);
    tables().JuktaData.set(4, 1, 0x33);
    window.LoadCharacter(4);
    EXPECT_EQ(juktaText(0), "0A");
    EXPECT_EQ(jukList(0)->currentIndex(), 10);
    EXPECT_EQ(juktaText(1), "33");
    EXPECT_EQ(jukList(1)->currentIndex(), 0x33);

    // The user picks the last entry of the second list.
    jukList(1)->setFocus();
    QTest::keyClick(jukList(1), Qt::Key_End);
    EXPECT_EQ(juktaText(1), "7F");
    EXPECT_EQ(tables().JuktaData(4, 1), 0x33) << "the table waits for the glyph to be stored";
    window.SaveCharacter(4);
    EXPECT_EQ(tables().JuktaData(4, 1), 127);
    EXPECT_EQ(tables().JuktaData(4, 0), 0x0A);
}

TEST_F(GlyphTransferWindowTest, NextRightAfterStartUp) {
    clickNext();
    EXPECT_EQ(tables().FontData(0, 0), 8);
    EXPECT_EQ(tables().FontData(0, 1), 1);
    for (int i = 2; i < 34; ++i) {
        EXPECT_EQ(tables().FontData(0, i), 0xFF) << i;
    }
    EXPECT_EQ(tables().CurChar, 1);
    EXPECT_EQ(code(), "Code: 0901");
    EXPECT_EQ(litCount(), 256);
    EXPECT_EQ(combo("cmbCols")->currentText(), "16");
    EXPECT_TRUE(messages.empty());
}

TEST_F(GlyphTransferWindowTest, SteppingStopsAtBothEnds) {
    struct Case {
        bool jukta;
        int last;
    };
    for (Case c : {Case{false, 127}, Case{true, 511}}) {
        tables().JuktaMode = c.jukta;
        tables().CurChar = 0;
        window.LoadCharacter(0);
        QTest::mouseClick(pic(), Qt::RightButton, {}, QPoint(3, 3));
        clickPrevious();
        EXPECT_EQ(tables().CurChar, 0);
        EXPECT_EQ(tables().FontData(0, 2), 0x01) << "stored, then shown again";
        EXPECT_FALSE(lit(0, 0));
        EXPECT_EQ(litCount(), 255);

        tables().CurChar = static_cast<std::int16_t>(c.last);
        window.LoadCharacter(c.last);
        QTest::mouseClick(pic(), Qt::RightButton, {}, QPoint(pic()->width() - 3, 3));
        clickNext();
        EXPECT_EQ(tables().CurChar, c.last) << "no wrap-around";
        EXPECT_EQ(tables().FontData(c.last, 32), 0x01);
        EXPECT_FALSE(lit(15, 0));
        EXPECT_EQ(litCount(), 255);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(GlyphTransferWindowTest, HindiFontLeavesTheConjunctControlsAlone) {
    tables().JuktaData.set(0, 0, 0x44);
    tables().JuktaData.set(1, 1, 0x55);
    const JuktaDataTable pairs = tables().JuktaData;
    clickNext();
    clickNext();
    clickPrevious();
    EXPECT_EQ(tables().CurChar, 1);
    EXPECT_TRUE(tables().JuktaData == pairs);
    EXPECT_EQ(juktaText(0), "00");
    EXPECT_EQ(juktaText(1), "01");
    EXPECT_EQ(jukList(0)->currentIndex(), 0);
    EXPECT_EQ(jukList(1)->currentIndex(), 1);
}

TEST_F(GlyphTransferWindowTest, WidthAboveSixteenShowsAndStoresSixteen) {
    setRecord(5, {200, 0x12});
    fillBitmap(5, 0x0F);
    FontDataTable before = tables().FontData;
    tables().CurChar = 5;
    window.LoadCharacter(5);
    EXPECT_EQ(combo("cmbCols")->currentText(), "16");
    EXPECT_EQ(greenLineX(), 160);
    EXPECT_EQ(litCount(), 128);
    clickNext();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(tables().CurChar, 6);
    EXPECT_EQ(tables().FontData(5, 0), 16);
    before.set(5, 0, 16);
    EXPECT_TRUE(tables().FontData == before) << "nothing else of the record changes";
}

TEST_F(GlyphTransferWindowTest, ConjunctByteAboveSevenFShownAndKept) {
    tables().JuktaMode = true;
    tables().JuktaData.set(8, 0, 0x9C);
    tables().JuktaData.set(8, 1, 0xFF);
    tables().JuktaData.set(9, 0, 0x12);
    tables().CurChar = 8;
    window.LoadCharacter(8);
    EXPECT_EQ(juktaText(0), "9C");
    EXPECT_EQ(juktaText(1), "FF");
    EXPECT_EQ(jukList(0)->currentIndex(), -1);
    EXPECT_EQ(jukList(1)->currentIndex(), -1);
    clickNext();
    EXPECT_EQ(juktaText(0), "12");
    EXPECT_EQ(jukList(0)->currentIndex(), 0x12);
    clickPrevious();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(tables().JuktaData(8, 0), 0x9C);
    EXPECT_EQ(tables().JuktaData(8, 1), 0xFF);
    EXPECT_EQ(juktaText(0), "9C");
}

TEST_F(GlyphTransferWindowTest, FailureWhileSteppingIsReportedAndWritesNothing) {
    tables().JuktaMode = true;
    tables().CurChar = 12;
    window.LoadCharacter(12);
    QTest::mouseClick(pic(), Qt::RightButton, {}, QPoint(3, 3));
    control<QLineEdit>("txtJukta_1")->setText("Z?");
    const FontTables before = tables();
    clickNext();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, "Error!");
    EXPECT_EQ(messages[0].second, "Type mismatch");
    EXPECT_TRUE(tables().FontData == before.FontData) << "the record is not half-written";
    EXPECT_TRUE(tables().JuktaData == before.JuktaData);
    EXPECT_EQ(tables().CurChar, 12);

    // The window goes on working once the text holds a byte again.
    jukList(1)->setFocus();
    QTest::keyClick(jukList(1), Qt::Key_End);
    clickNext();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(tables().CurChar, 13);
    EXPECT_EQ(tables().FontData(12, 2), 0x01);
    EXPECT_EQ(tables().JuktaData(12, 1), 0x7F);
}

}  // namespace
}  // namespace ledfont::ui
