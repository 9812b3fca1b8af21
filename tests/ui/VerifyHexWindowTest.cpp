#include <QAction>
#include <QFile>
#include <QMenuBar>

#include "FontFileFixture.h"
#include "hexout/HexRecords.h"
#include "ui/MainWindow.h"

namespace ledfont::ui {
namespace {

using VerifyHexWindowTest = FontFileWindowTest;

TEST_F(VerifyHexWindowTest, ComparesTheStoredTablesWithAChosenHexAndChangesNothing) {
    auto* action = window.findChild<QAction*>("actVerifyHex");
    ASSERT_NE(action, nullptr);
    EXPECT_FALSE(action->isEnabled()) << "nothing to compare before a load";

    const auto font = makeFont(FontKind::Hindi, 4);
    writeFont("hindi.txt", *font);
    load("hindi.txt", FontKind::Hindi);
    EXPECT_TRUE(action->isEnabled());
    click("cmdConvertToHex");
    FontTables changed = *font;
    changed.FontData.set(21, 9, changed.FontData(21, 9) ^ 0x10);
    writeBytes(path("changed.hex"), QByteArray::fromStdString(hexout::buildHexText(changed)));
    writeBytes(path("bad.hex"), ":10A10000000000000000000000000000000000004E\r\n");
    paintDarkCell();  // an unstored stroke is not part of the comparison
    const auto before = shown();

    struct Case {
        const char* file;
        QString report;  // empty: an error box
        QString error;
    };
    const Case cases[] = {
        {"hindi.hex", "HEX matches hindi.txt: 4352 bytes at 0x9000-0xA0FF", {}},
        {"changed.hex", "glyph 21 (Code: 0915) byte 9", {}},
        {"bad.hex", {}, "HEX line 1: checksum 4E, expected 4F"},
        {"none.hex", {}, "File not found: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        chosenFile = path(c.file);
        action->trigger();
        if (c.report.isEmpty()) {
            EXPECT_TRUE(reports.empty());
            expectMessage("Error Reading HEX File", c.error);
        } else {
            ASSERT_EQ(reports.size(), 1u);
            EXPECT_EQ(reports[0].first, "Verify HEX File");
            EXPECT_TRUE(reports[0].second.startsWith(c.report)) << reports[0].second.toStdString();
            EXPECT_TRUE(messages.empty());
        }
        reports.clear();
    }
    EXPECT_EQ(chooserStarts.first(), path("hindi.hex")) << "starts at the loaded font's HEX";
    // Cancelling the chooser does nothing.
    chosenFile.clear();
    action->trigger();
    EXPECT_TRUE(reports.empty() && messages.empty());
    EXPECT_EQ(*shown(), *before);
}

// The top-level window puts the action in its File menu, shows the client's caption and asks the client
// before it closes.
TEST(MainWindowTest, MenuCaptionAndClosingGoThroughTheClient) {
    MainWindow main;
    main.show();
    QMenu* file = main.menuBar()->findChild<QMenu*>("mnuFile");
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->actions().contains(main.client().findChild<QAction*>("actVerifyHex")));
    EXPECT_EQ(main.windowTitle(), "LED Font Editor");
    main.client().setWindowTitle("16");
    EXPECT_EQ(main.windowTitle(), "16");
    EXPECT_EQ(main.centralWidget(), &main.client());
    EXPECT_EQ(main.client().size(), main.client().minimumSize()) << "the client area keeps its size";

    test::TempFolder folder;
    const std::string fontPath = (folder.path() / "font.txt").string();
    saveFontFile(fontPath, *makeFont(FontKind::Hindi, 2));
    main.client().setFileChooser(
        [&](const QString&, const QString&) { return QString::fromStdString(fontPath); });
    main.client().actOpenFont_Triggered();
    ASSERT_EQ(main.client().documentFile(), fontPath);
    QStringList asked;
    main.client().setQuestionSink(
        [&](const QString&, const QString& text, QMessageBox::StandardButtons, QMessageBox::StandardButton) {
            asked << text;
            return QMessageBox::Cancel;
        });
    main.client().applyTool(editor::GlyphTool::Invert);
    EXPECT_FALSE(main.close());
    EXPECT_EQ(asked, QStringList{"Save changes to font.txt?"});
    EXPECT_TRUE(main.isVisible());
    main.client().setQuestionSink([](const QString&, const QString&, QMessageBox::StandardButtons,
                                     QMessageBox::StandardButton) { return QMessageBox::Discard; });
    EXPECT_TRUE(main.close());
}

}  // namespace
}  // namespace ledfont::ui
