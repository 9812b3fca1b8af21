#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <functional>

#include "../import/ImportData.h"
#include "FontFileFixture.h"
#include "WindowFixture.h"
#include "compose/Picture.h"
#include "compose/Sheet.h"
#include "font/FontText.h"
#include "font/GlyphCode.h"
#include "font/GlyphText.h"
#include "ui/MainWindow.h"
#include "ui/QtConvert.h"

namespace ledfont::ui {
namespace {

// The window as undo must give it back: what the editor holds, every pixel of the canvas and every
// control that shows it.
struct Seen {
    editor::EditState state;
    std::vector<editor::Colour> pixels;
    QStringList controls;
    bool operator==(const Seen&) const = default;
};
void PrintTo(const Seen& seen, std::ostream* out) {
    *out << "glyph " << seen.state.shown.glyph << " "
         << seen.controls.join(QStringLiteral(" | ")).toStdString();
    for (auto column : seen.state.shown.draft.columns) {
        *out << " " << column;
    }
}

class EditingWindowTest : public FontFileWindowTest {
  protected:
    EditingWindowTest() {
        window.setTextAsker([this](const QString&, const QString&) { return typed; });
        writeFont(QStringLiteral("font.txt"), *makeFont(FontKind::Jukta512, 3));
        load(QStringLiteral("font.txt"), FontKind::Jukta512);
    }

    QAction* action(const char* name) { return control<QAction>(name); }
    void trigger(const char* name) {
        ASSERT_TRUE(action(name)->isEnabled()) << name;
        action(name)->trigger();
    }
    Seen seen() {
        QStringList controls = {window.windowTitle(),
                                text("lblLoc"),
                                combo("cmbCols")->currentText(),
                                combo("cmbCentre")->currentText(),
                                text("txtJukta_0"),
                                text("txtJukta_1"),
                                combo("cmbJuk_0")->currentText(),
                                combo("cmbJuk_1")->currentText(),
                                QString::number(pic()->markerLeft())};
        for (const char* option : {"optConst", "optVowel", "optIkaar"}) {
            controls << (checked(option) ? QStringLiteral("set") : QStringLiteral("-"));
        }
        return {window.editor().state(),
                std::vector<editor::Colour>(raster().pixels().begin(), raster().pixels().end()), controls};
    }
    void stroke(Qt::MouseButton button, QPoint from, QPoint to) {
        QTest::mousePress(pic(), button, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, pic()->mapToGlobal(to), Qt::NoButton, button, {});
        QApplication::sendEvent(pic(), &move);
        QTest::mouseRelease(pic(), button, {}, to);
    }

    // Picks an entry as the user does; the list's click follows.
    void choose(const char* list, int index) {
        combo(list)->setCurrentIndex(index);
        emit combo(list)->activated(index);
    }

    QString typed;
};

// Every control reaches its operation as one undo step, named in the Undo command; undoing them all
// gives the window back exactly, redoing them all the last state.
TEST_F(EditingWindowTest, EachControlIsOneNamedStepThatUndoGivesBackExactly) {
    EXPECT_FALSE(action("actUndo")->isEnabled()) << "a load starts a fresh history";
    EXPECT_EQ(action("actUndo")->text(), "&Undo");
    std::vector<Seen> history{seen()};
    const std::vector<std::pair<QString, std::function<void()>>> steps = {
        {"Paint", [&] { stroke(Qt::LeftButton, cellCentre(1, 2), cellCentre(9, 12)); }},
        {"Paint", [&] { stroke(Qt::RightButton, cellCentre(1, 2), cellCentre(1, 2)); }},
        {"Width", [&] { choose("cmbCols", 11); }},
        {"Centre", [&] { choose("cmbCentre", 7); }},
        {"Kind", [&] { click("optIkaar"); }},
        {"Conjunct", [&] { choose("cmbJuk_0", 0x41); }},
        {"Shift Left", [&] { trigger("actShiftLeft"); }},
        {"Next Glyph", [&] { click("cmdShowInc"); }},
        {"Previous Glyph", [&] { click("cmdShowDec"); }},
        {"Go to Glyph", [&] { typed = QStringLiteral("300"), trigger("actGoToGlyph"); }},
    };
    for (const auto& [label, step] : steps) {
        step();
        EXPECT_EQ(action("actUndo")->text(), "&Undo " + label);
        ASSERT_NE(seen(), history.back()) << label.toStdString();
        history.push_back(seen());
    }
    for (std::size_t i = history.size() - 1; i-- > 0;) {
        trigger("actUndo");
        ASSERT_EQ(seen(), history[i]) << "undo back to step " << i;
    }
    EXPECT_FALSE(action("actUndo")->isEnabled());
    EXPECT_EQ(action("actRedo")->text(), "&Redo Paint");
    for (std::size_t i = 1; i < history.size(); ++i) {
        trigger("actRedo");
        ASSERT_EQ(seen(), history[i]) << "redo to step " << i;
    }
    EXPECT_FALSE(action("actRedo")->isEnabled());
    EXPECT_TRUE(messages.empty());
}

TEST_F(EditingWindowTest, AStrokeIsOneStepAndANewStepDropsTheRedo) {
    const Seen before = seen();
    stroke(Qt::LeftButton, cellCentre(0, 0), cellCentre(15, 15));
    const Seen painted = seen();
    trigger("actUndo");
    EXPECT_EQ(seen(), before);
    click("optVowel");
    EXPECT_FALSE(action("actRedo")->isEnabled());
    trigger("actUndo");
    EXPECT_EQ(seen(), before);
    EXPECT_FALSE(action("actUndo")->isEnabled()) << "the stroke was undone before the new step";
    EXPECT_NE(painted, before);
}

TEST_F(EditingWindowTest, ToolsActOnTheCanvasOnlyAndAreEnabledWhenTheyChangeSomething) {
    const FontTables font = tables();
    trigger("actClearGlyph");
    EXPECT_EQ(litCount(), 0);
    EXPECT_FALSE(action("actClearGlyph")->isEnabled());
    EXPECT_FALSE(action("actShiftLeft")->isEnabled()) << "nothing to move";
    EXPECT_TRUE(action("actFillGlyph")->isEnabled());
    QTest::mouseClick(pic(), Qt::LeftButton, {}, cellCentre(0, 0));
    trigger("actShiftRight");
    trigger("actShiftDown");
    EXPECT_TRUE(lit(1, 1));
    EXPECT_EQ(litCount(), 1);
    EXPECT_EQ(tables().CharMap(2), 0xFD) << "CharMap follows the canvas";
    choose("cmbCols", 3);  // width 4: columns 0..3 mirror
    trigger("actFlipHorizontal");
    EXPECT_TRUE(lit(2, 1));
    trigger("actFlipVertical");
    EXPECT_TRUE(lit(2, 14));
    trigger("actInvertGlyph");
    EXPECT_EQ(litCount(), 4 * 16 - 1) << "the width's columns 0..3 only";
    EXPECT_FALSE(lit(2, 14));
    EXPECT_FALSE(lit(4, 0)) << "no tool lights an LED beyond the width";
    trigger("actFillGlyph");
    EXPECT_EQ(litCount(), 4 * 16);
    EXPECT_EQ(static_cast<const FontTables&>(tables()), font) << "no tool stores into the font";
}

TEST_F(EditingWindowTest, CopyInOneWindowPastesIntoAnother) {
    click("cmdShowInc");
    trigger("actCopyGlyph");
    const QString text = QApplication::clipboard()->mimeData()->text();
    EXPECT_TRUE(text.startsWith("glyph 1  Code: 001  width 5  Vowel  centre 5  conjunct 04 06"))
        << text.toStdString();

    frmFont other;
    other.show();
    other.findChild<QAction*>("actPasteGlyph")->trigger();
    const Glyph& here = window.editor().draft();
    const Glyph& there = other.editor().draft();
    EXPECT_EQ(there.columns, here.columns);
    EXPECT_EQ(there.width, here.width);
    EXPECT_EQ(there.centre, here.centre);
    EXPECT_EQ(there.kind, here.kind);

    // The text alone serves, as from a terminal; what is no glyph changes nothing.
    QApplication::clipboard()->setText(
        toQString(formatGlyph(*makeFont(FontKind::Hindi, 9), FontKind::Hindi, 40)));
    trigger("actPasteGlyph");
    EXPECT_EQ(window.editor().draft().columns, glyphAt(*makeFont(FontKind::Hindi, 9), 40).columns);
    EXPECT_EQ(combo("cmbCols")->currentIndex(), glyphAt(*makeFont(FontKind::Hindi, 9), 40).shownWidth() - 1);
    const Seen before = seen();
    QApplication::clipboard()->setText(QStringLiteral("hello"));
    trigger("actPasteGlyph");
    EXPECT_EQ(seen(), before);
    expectMessage(QStringLiteral("Paste Glyph"), QStringLiteral("Type mismatch"));
}

// Paste Glyph follows the clipboard as other programs change it, with no edit in between.
TEST_F(EditingWindowTest, PasteGlyphFollowsTheClipboard) {
    auto* paste = window.findChild<QAction*>("actPasteGlyph");
    QApplication::clipboard()->clear();
    EXPECT_FALSE(paste->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("glyph 1  Code: 001  width 5"));
    EXPECT_TRUE(paste->isEnabled());
}

TEST_F(EditingWindowTest, GoToTakesAnIndexACodeOrACharacterAndStoresFirst) {
    QTest::mouseClick(pic(), Qt::RightButton, {}, cellCentre(0, 0));
    const struct {
        const char* text;
        int glyph;
    } cases[] = {{"21", 21},
                 {"0x1FF", 511},
                 {"Code: 080", 128},
                 {"Code: 0915", 0x15},                           // the prompt's own example, a code point
                 {"\xE0\xA4\x83\xE0\xA5\x8D\xE0\xA4\x83", 128},  // the conjunct of glyph 128's pair 03 03
                 {"\xE0\xA4\xB7", 0x37},
                 {"  7 ", 7}};
    for (const auto& c : cases) {
        typed = QString::fromUtf8(c.text);
        trigger("actGoToGlyph");
        EXPECT_EQ(tables().CurChar, c.glyph) << c.text;
        EXPECT_EQ(text("lblLoc"), toQString(glyphCode(FontKind::Jukta512, c.glyph))) << c.text;
    }
    EXPECT_FALSE(ledLit(tables().FontData, 0, 0, 0)) << "the glyph shown was stored before going";
    for (const char* bad : {"512", "x", "Code: 1915"}) {
        typed = QString::fromUtf8(bad);
        trigger("actGoToGlyph");
        EXPECT_EQ(tables().CurChar, 7) << bad;
        ASSERT_EQ(messages.size(), 1u) << bad;
        messages.clear();
    }
}

TEST_F(EditingWindowTest, ShortcutsReachTheActions) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    pic()->setFocus();
    QTest::keyClick(&window, Qt::Key_PageDown);
    EXPECT_EQ(tables().CurChar, 1);
    QTest::keyClick(&window, Qt::Key_PageUp);
    EXPECT_EQ(tables().CurChar, 0);
    const Seen before = seen();
    QTest::keyClick(&window, Qt::Key_Left, Qt::AltModifier);
    EXPECT_NE(seen(), before);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(seen(), before);
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_NE(seen(), before);
    for (const char* name : {"actOpenFont", "actSave", "actSaveAs", "actMakeHex", "actQuit", "actUndo",
                             "actRedo", "actCopyGlyph", "actPasteGlyph", "actShiftDown", "actPreviousGlyph",
                             "actNextGlyph", "actGoToGlyph"}) {
        EXPECT_FALSE(action(name)->shortcut().isEmpty()) << name;
    }
}

TEST_F(EditingWindowTest, TheUnderlayShowsKaUnderAMatraAndNeverReachesTheLeds) {
    const std::array<std::uint16_t, 16> none{};
    EXPECT_FALSE(action("actUnderlay")->isChecked());
    click("optVowel");
    const Seen before = seen();
    action("actUnderlay")->setChecked(true);
    EXPECT_NE(pic()->underlay(), none);
    EXPECT_EQ(seen(), before) << "the raster and every LED reading stay";
    click("optConst");
    EXPECT_EQ(pic()->underlay(), none) << "only under a Vowel or an Ikaar";
    click("optIkaar");
    // An Ikaar stands before the consonant, which begins after the Ikaar's width.
    const int width = combo("cmbCols")->currentIndex() + 1;
    EXPECT_EQ(pic()->underlay()[static_cast<std::size_t>(width)],
              glyphAt(tables(), kUnderlayGlyph).columns[0]);
    action("actUnderlay")->setChecked(false);
    EXPECT_EQ(pic()->underlay(), none);

    // Another consonant, named as Go to Glyph takes it; choosing it turns the underlay on.
    const Glyph kha = glyphAt(tables(), 0x16);
    ASSERT_NE(kha.columns, glyphAt(tables(), kUnderlayGlyph).columns);
    const Seen ikaar = seen();
    typed = QStringLiteral("ख");
    trigger("actUnderlayConsonant");
    EXPECT_EQ(window.underlayGlyph(), 0x16);
    EXPECT_TRUE(action("actUnderlay")->isChecked());
    for (int c = 0; c + width < 16; ++c) {
        EXPECT_EQ(pic()->underlay()[static_cast<std::size_t>(c + width)],
                  kha.columns[static_cast<std::size_t>(c)])
            << c;
    }
    EXPECT_EQ(seen(), ikaar) << "choosing what to see is no edit";
    for (const char* bad : {"x", "512"}) {
        typed = QString::fromUtf8(bad);
        trigger("actUnderlayConsonant");
        EXPECT_EQ(window.underlayGlyph(), 0x16) << bad;
    }
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(EditingWindowTest, OpenSaveAsAndQuitGoThroughTheFileRules) {
    writeFont(QStringLiteral("other.txt"), *makeFont(FontKind::Jukta512, 8));
    chosenFile = path("other.txt");
    trigger("actOpenFont");
    EXPECT_EQ(window.documentFile(), path("other.txt").toStdString());
    EXPECT_EQ(text("lblFile"), "File : " + path("other.txt"));
    EXPECT_EQ(glyphAt(tables(), 5), glyphAt(*makeFont(FontKind::Jukta512, 8), 5));
    EXPECT_FALSE(action("actUndo")->isEnabled()) << "a load starts a fresh history";

    QTest::mouseClick(pic(), Qt::LeftButton, {}, cellCentre(15, 15));
    window.setSaveChooser([this](const QString&, const QString&) { return path("copy.txt"); });
    trigger("actSaveAs");
    EXPECT_EQ(window.documentFile(), path("copy.txt").toStdString());
    EXPECT_EQ(tables().FontFile, path("copy.txt").toStdString());
    EXPECT_EQ(fileBytes(path("copy.txt")).toStdString(), formatFontText(tables()));
    EXPECT_TRUE(ledLit(tables().FontData, 0, 15, 15)) << "the glyph shown was stored first";
    EXPECT_FALSE(window.hasUnsavedChanges());

    QTest::mouseClick(pic(), Qt::RightButton, {}, cellCentre(15, 15));
    answer = QMessageBox::Cancel;
    trigger("actQuit");
    EXPECT_EQ(questions, QStringList{"Save changes to copy.txt?"});
    EXPECT_TRUE(window.isVisible());
}

TEST_F(EditingWindowTest, ImportIsOneStepAndShowsTheGlyphAgain) {
    // KA in Unifont's form: 16 rows of four hexadecimal digits, column 0 the top bit; here column 2 is lit
    // in every row, so the glyph is one column wide.
    std::string rows;
    for (int r = 0; r < 16; ++r) {
        rows += "2000";
    }
    test::writeFile(path("tiny.hex").toStdString(), "0915:" + rows + "\n");
    click("cmdShowDec");
    typed = QStringLiteral("0x15");
    trigger("actGoToGlyph");
    const Seen before = seen();
    ImportChoice choice;
    choice.file = path("tiny.hex");
    choice.ranges = {{0x10, 0x16}};
    window.setImportChooser([&](FontKind kind) {
        EXPECT_EQ(kind, FontKind::Jukta512);
        return std::optional(choice);
    });
    trigger("actImportGlyphs");
    const Glyph ka = glyphAt(tables(), 0x15);
    EXPECT_EQ(ka.width, 1);
    EXPECT_EQ(ka.columns[0], 0xFFFF);
    EXPECT_EQ(ka.columns[1], 0);
    EXPECT_EQ(litCount(), 16) << "the canvas shows the imported glyph";
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].second.toStdString(),
              "1 of 7 glyphs imported. 6 the source lacks were left as they were.");
    trigger("actUndo");
    EXPECT_EQ(seen(), before);

    test::writeFile(path("bad.hex").toStdString(), "0915:12\n");
    choice.file = path("bad.hex");
    trigger("actImportGlyphs");
    EXPECT_EQ(seen(), before);
    expectMessage(QStringLiteral("Import Glyphs"), path("bad.hex") + ", line 1");

    // A source without one glyph of the range changes nothing and says so as a failure.
    test::writeFile(path("latin.hex").toStdString(), "0041:" + rows + "\n");
    choice.file = path("latin.hex");
    trigger("actImportGlyphs");
    EXPECT_EQ(seen(), before);
    EXPECT_EQ(reports.size(), 1u);
    expectMessage(QStringLiteral("Import Glyphs"), QStringLiteral("No glyphs imported (7 asked for)."));
}

// The editor's import fills conjunct glyphs without a pair as the command line's does: स्त, the most
// frequent conjunct of the shipped text, comes first.
TEST_F(EditingWindowTest, ImportFillsTheConjunctGlyphsWithoutAPair) {
    const QString noto = QStringLiteral("/usr/share/fonts/truetype/noto/NotoSansDevanagari-Regular.ttf");
    LEDFONT_NEED_IMPORT_DATA(QFile::exists(noto), "Noto Sans Devanagari (package fonts-noto-core)");
    FontTables font = *makeFont(FontKind::Jukta512, 3);
    for (int g : {0x80, 0x81}) {
        Glyph unpaired = glyphAt(font, g);
        unpaired.pair = {};
        setGlyph(font, g, unpaired, true);
    }
    writeFont(QStringLiteral("unpaired.txt"), font);
    load(QStringLiteral("unpaired.txt"), FontKind::Jukta512);
    ImportChoice choice;
    choice.file = noto;
    choice.ranges = {{0x80, 0x82}};
    window.setImportChooser([&](FontKind) { return std::optional(choice); });
    trigger("actImportGlyphs");
    EXPECT_EQ(glyphAt(tables(), 0x80).pair, (std::array<std::uint8_t, 2>{0x38, 0x24}));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].second.toStdString(),
              "3 of 3 glyphs imported. 2 of 2 conjunct glyphs without a pair were given the most frequent "
              "conjuncts.");
}

TEST_F(EditingWindowTest, ThePreviewComposesTheCanvasGlyphAndListsWhatIsMissing) {
    trigger("actPreview");
    auto* preview = window.findChild<QWidget*>("frmPreview");
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    auto* text = preview->findChild<QLineEdit*>("txtPreview");
    auto* strip = preview->findChild<QLabel*>("lblStrip");
    auto* missing = preview->findChild<QListWidget*>("lstMissing");
    text->setText(QString::fromUtf8("\xE0\xA4\x80 A"));  // glyph 0, a space, and a letter the font lacks
    ASSERT_EQ(missing->count(), 1);
    EXPECT_TRUE(missing->item(0)->text().startsWith("no glyph for U+0041"));
    const QImage before = strip->pixmap().toImage();
    trigger("actClearGlyph");  // glyph 0 is on the canvas: the preview shows it as drawn, not as stored
    EXPECT_NE(strip->pixmap().toImage(), before);
    ASSERT_EQ(missing->count(), 2) << "the glyph cleared is a gap now, and said to be";
    EXPECT_EQ(missing->item(1)->text(), QString::fromUtf8("\xE0\xA4\x80 is empty (Code: 000)"));
    trigger("actUndo");
    EXPECT_EQ(strip->pixmap().toImage(), before);
    EXPECT_EQ(missing->count(), 1);

    // A source font chosen: its own drawing of the text stands under the strip.
    auto* source = preview->findChild<QComboBox*>("cmbSource");
    ASSERT_NE(source, nullptr);
    if (const int noto = source->findText("Noto Sans Devanagari"); noto > 0) {
        source->setCurrentIndex(noto);
        EXPECT_EQ(strip->pixmap().height(), 2 * before.height() - compose::kPreviewPitch);
        source->setCurrentIndex(0);
        EXPECT_EQ(strip->pixmap().toImage(), before);
    }

    // A long text scrolls inside the window, which keeps its size; past 4096 columns only the start shows.
    const QSize size = preview->size();
    text->setText(QString(2000, QChar(0x0900)));  // glyph 0, 4 columns wide: 8000 columns
    EXPECT_EQ(preview->size(), size);
    EXPECT_GT(preview->findChild<QScrollArea*>("scrStrip")->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(strip->pixmap().width(), 4096 * compose::kPreviewPitch + 2 * compose::kPreviewPitch);
    ASSERT_GE(missing->count(), 1);
    EXPECT_TRUE(missing->item(0)->text().startsWith("the picture shows the first 4096 of the text's 80"))
        << missing->item(0)->text().toStdString();
}

TEST_F(EditingWindowTest, TheOverviewGoesToTheGlyphClickedAndFollowsStores) {
    trigger("actOverview");
    auto* overview = window.findChild<QWidget*>("frmOverview");
    ASSERT_NE(overview, nullptr);
    auto* sheet = overview->findChild<QLabel*>("lblSheet");
    const QImage before = sheet->pixmap().toImage();
    QTest::mouseClick(pic(), Qt::LeftButton, {}, cellCentre(15, 0));
    QTest::mouseClick(pic(), Qt::RightButton, {}, cellCentre(14, 0));
    // The first pixel of glyph 17's cell, the second of the second row of sixteen.
    int x = 0, y = 0;
    for (; y < 4000 && compose::sheetGlyphAt(FontKind::Jukta512, x, y) != 17; ++y) {
        for (x = 0; x < 2000 && compose::sheetGlyphAt(FontKind::Jukta512, x, y) != 17; ++x) {
        }
        if (compose::sheetGlyphAt(FontKind::Jukta512, x, y) == 17) {
            break;
        }
    }
    ASSERT_EQ(compose::sheetGlyphAt(FontKind::Jukta512, x, y), 17);
    QTest::mouseClick(sheet, Qt::LeftButton, {}, QPoint(x + 1, y + 1));
    EXPECT_EQ(tables().CurChar, 17);
    EXPECT_TRUE(ledLit(tables().FontData, 0, 15, 0)) << "the glyph shown was stored first";
    EXPECT_NE(sheet->pixmap().toImage(), before) << "the sheet shows the store";
}

TEST(MainWindowMenus, EveryActionIsInItsMenu) {
    MainWindow main;
    const std::pair<const char*, std::vector<const char*>> menus[] = {
        {"mnuFile", {"actOpenFont", "actSave", "actSaveAs", "actMakeHex", "actVerifyHex", "actQuit"}},
        {"mnuEdit",
         {"actUndo", "actRedo", "actCopyGlyph", "actPasteGlyph", "actClearGlyph", "actFlipVertical"}},
        {"mnuGo", {"actPreviousGlyph", "actNextGlyph", "actGoToGlyph"}},
        {"mnuView", {"actPreview", "actOverview", "actUnderlay", "actUnderlayConsonant"}},
    };
    for (const auto& [menu, names] : menus) {
        auto* found = main.findChild<QMenu*>(menu);
        ASSERT_NE(found, nullptr) << menu;
        for (const char* name : names) {
            EXPECT_TRUE(found->actions().contains(main.client().findChild<QAction*>(name))) << name;
        }
    }
    // Every tool the editor offers is an action of its own, in the Edit menu, with the editor's text and
    // shortcut, and applying it is one step under the tool's name.
    QMenu* edit = main.findChild<QMenu*>("mnuEdit");
    for (const editor::ToolCommand& tool : editor::toolCommands()) {
        auto* action = main.client().findChild<QAction*>(tool.name);
        ASSERT_NE(action, nullptr) << tool.name;
        EXPECT_TRUE(edit->actions().contains(action)) << tool.name;
        EXPECT_EQ(action->text(), QString::fromLatin1(tool.text));
        EXPECT_EQ(action->shortcut().toString(QKeySequence::PortableText),
                  QString::fromLatin1(tool.shortcut));
    }
    main.client().findChild<QAction*>("actFillGlyph")->trigger();
    EXPECT_EQ(main.client().findChild<QAction*>("actUndo")->text(), "&Undo Fill");
}

}  // namespace
}  // namespace ledfont::ui
