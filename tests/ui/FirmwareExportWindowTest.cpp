#include <QAction>
#include <QMenu>
#include <QProcess>

#include "FontFileFixture.h"
#include "hexout/FirmwareImage.h"
#include "ui/FileListBox.h"
#include "ui/MainWindow.h"

namespace ledfont::ui {
namespace {

using FirmwareExportWindowTest = FontFileWindowTest;

// File > Export for Firmware... writes what `ledfont export` writes for the stored font, in the form the
// chosen name's extension asks for, and reports the image's size and CRC; the canvas, the tables and the
// controls stay as they were.
TEST_F(FirmwareExportWindowTest, WritesTheFormatOfTheExtensionAsTheCommandLineToolDoes) {
    auto* action = window.findChild<QAction*>("actExport");
    ASSERT_NE(action, nullptr);
    EXPECT_FALSE(action->isEnabled()) << "nothing to export before a load";
    QString saveTo;
    QStringList starts;
    window.setSaveChooser([&](const QString&, const QString& start) {
        starts << start;
        return saveTo;
    });
    const auto cliExport = [this](const char* format, const QString& output) {
        QProcess cli;
        cli.start(QStringLiteral(LEDFONT_CLI),
                  {"export", path("jukta.txt"), "--format", format, "-o", output});
        EXPECT_TRUE(cli.waitForFinished(30000));
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        return QString::fromUtf8(cli.readAllStandardOutput());
    };
    writeFont("jukta.txt", *makeFont(FontKind::Jukta512, 3));
    ASSERT_TRUE(QDir(dir).mkdir("cli"));
    load("jukta.txt", FontKind::Jukta512);
    EXPECT_TRUE(action->isEnabled());
    const auto before = shown();

    const struct {
        const char* chosen;
        const char* format;
        std::vector<const char*> files;
    } cases[] = {
        {"font.h", "c", {"font.c", "font.h"}},
        {"font.BIN", "bin", {"font.BIN"}},
        {"font.s19", "srec", {"font.s19"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        saveTo = path(c.chosen);
        action->trigger();
        const QString cliOut = cliExport(c.format, path("cli/") + c.chosen);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].first, "Export for Firmware");
        QString expected = cliOut.trimmed();
        for (const char* file : c.files) {
            EXPECT_EQ(fileBytes(path(file)), fileBytes(path("cli/") + file)) << file;
            expected.replace(path("cli/") + file, QStringLiteral("Wrote ") + path(file));
        }
        EXPECT_EQ(reports[0].second, expected);
        reports.clear();
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(starts.first(), path("jukta.c"));
    EXPECT_EQ(*shown(), *before);

    // A name of no known form, and a cancel, write nothing.
    const QStringList files = QDir(dir).entryList(QDir::Files);
    saveTo = path("font.hex");
    action->trigger();
    expectMessage("Export for Firmware", "Choose a name ending in .c or .h");
    saveTo.clear();
    action->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), files);
}

// The glyph on the canvas is stored first, as Save stores it, so the image holds it; the file list, showing
// the folder written to, lists the new file.
TEST_F(FirmwareExportWindowTest, StoresTheGlyphShownAndListsTheFileWritten) {
    window.setSaveChooser([this](const QString&, const QString&) { return path("font.bin"); });
    writeFont("jukta.txt", *makeFont(FontKind::Jukta512, 3));
    load("jukta.txt", FontKind::Jukta512);
    const FontTables loaded = window.editor().font();
    paintDarkCell();
    window.findChild<QAction*>("actExport")->trigger();
    EXPECT_NE(window.editor().font(), loaded);
    const std::vector<std::uint8_t> image = hexout::firmwareImage(window.editor().font()).bytes;
    EXPECT_EQ(fileBytes(path("font.bin")), QByteArray(reinterpret_cast<const char*>(image.data()), 18432));
    EXPECT_EQ(control<FileListBox>("File1")->findItems("font.bin", Qt::MatchExactly).size(), 1);
}

TEST(FirmwareExportMenu, ComesAfterMakeHexFileInTheFileMenu) {
    MainWindow main;
    auto* file = main.findChild<QMenu*>("mnuFile");
    ASSERT_NE(file, nullptr);
    const QList<QAction*> actions = file->actions();
    const auto at = actions.indexOf(main.client().findChild<QAction*>("actMakeHex"));
    ASSERT_GE(at, 0);
    ASSERT_LT(at + 1, actions.size());
    EXPECT_EQ(actions[at + 1]->objectName(), "actExport");
    EXPECT_EQ(actions[at + 1]->text(), "&Export for Firmware...");
}

}  // namespace
}  // namespace ledfont::ui
