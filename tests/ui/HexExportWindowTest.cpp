#include <QFile>
#include <QProcess>

#include "FontFileFixture.h"

namespace ledfont::ui {
namespace {

using HexExportWindowTest = FontFileWindowTest;

QList<QByteArray> hexLines(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    EXPECT_TRUE(lines.takeLast().isEmpty()) << "the last line ends with CR LF";
    return lines;
}

TEST_F(HexExportWindowTest, WithNoFileChosenNothingIsWritten) {
    const CurrentFolder inside(dir);
    const auto before = shown();
    click("cmdConvertToHex");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(*shown(), *before);
    EXPECT_TRUE(QDir(dir).isEmpty());
}

// The window's export and `ledfont hex` give the same bytes. The Hindi export follows a Jukta512 load, so
// only the Hindi region may appear, and a stroke painted but not stored must not.
TEST_F(HexExportWindowTest, ExportEqualsTheCommandLineToolAndChangesNothingElse) {
    auto cliHex = [this](const QString& font, const char* kind) {
        QProcess cli;
        cli.start(QStringLiteral(LEDFONT_CLI), {"hex", path(font), "--kind", kind, "-o", path("cli.hex")});
        EXPECT_TRUE(cli.waitForFinished(30000));
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        return fileBytes(path("cli.hex"));
    };
    writeFont("jukta.txt", *makeFont(FontKind::Jukta512, 7));
    writeFont("hindi.txt", *makeFont(FontKind::Hindi, 8));

    load("jukta.txt", FontKind::Jukta512);
    click("optHindi");  // the kind loaded decides, not the option
    click("cmdConvertToHex");
    const QByteArray jukta = fileBytes(path("jukta.hex"));
    EXPECT_EQ(hexLines(jukta).size(), 1153);
    EXPECT_EQ(jukta, cliHex("jukta.txt", "jukta512"));

    load("hindi.txt", FontKind::Hindi);
    paintDarkCell();
    const auto before = shown();
    click("cmdConvertToHex");
    EXPECT_EQ(*shown(), *before);
    const QByteArray hindi = fileBytes(path("hindi.hex"));
    const QList<QByteArray> lines = hexLines(hindi);
    ASSERT_EQ(lines.size(), 273);
    EXPECT_TRUE(lines.first().startsWith(":109000"));
    EXPECT_TRUE(lines[271].startsWith(":10A0F0"));
    EXPECT_EQ(lines.last(), ":00000001FF\r");
    EXPECT_EQ(hindi, cliHex("hindi.txt", "hindi"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(HexExportWindowTest, NamesTheFileAfterTheFontFileAndNeverReplacesTheFont) {
    const auto font = makeFont(FontKind::Hindi, 9);
    for (const char* name : {"hindi.txt", "font.c", "font.text", "font"}) {
        SCOPED_TRACE(name);
        writeFont(name, *font);
        chooseFile(name);
        click("cmdConvertToHex");
        EXPECT_TRUE(messages.empty());
        const QString hex = path(QFileInfo(name).completeBaseName() + ".hex");
        EXPECT_EQ(hexLines(fileBytes(hex)).size(), 273);
        ASSERT_TRUE(QFile::remove(hex));
        ASSERT_TRUE(QFile::remove(path(name)));
    }

    writeFont("font.hex", *font);
    const QByteArray original = fileBytes(path("font.hex"));
    chooseFile("font.hex");
    click("cmdConvertToHex");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, QStringLiteral("Error Writing HEX File"));
    EXPECT_TRUE(messages[0].second.startsWith("File already exists: " + path("font.hex")))
        << messages[0].second.toStdString();
    EXPECT_EQ(fileBytes(path("font.hex")), original);
}

TEST_F(HexExportWindowTest, WriteFailureIsReportedAndLeavesTheOlderHexFile) {
    writeFont("font.txt", *makeFont(FontKind::Hindi, 10));
    load("font.txt", FontKind::Hindi);
    writeBytes(path("font.hex"), ":00000001FF\r\n");
    const auto before = shown();
    auto expectExportFails = [&](const QString& text) {
        click("cmdConvertToHex");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].first, QStringLiteral("Error Writing HEX File"));
        EXPECT_TRUE(messages[0].second.startsWith(text)) << messages[0].second.toStdString();
        messages.clear();
        EXPECT_EQ(*shown(), *before);
    };

    {
        FileSizeLimit limit(1000);
        expectExportFails("Disk full: " + path("font.hex"));
    }
    EXPECT_EQ(fileBytes(path("font.hex")), QByteArray(":00000001FF\r\n"));
    EXPECT_EQ(QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList({"font.hex", "font.txt"}));

    ASSERT_TRUE(QFile::remove(path("font.hex")) && QDir(dir).mkdir("font.hex"));
    expectExportFails("Path/File access error: " + path("font.hex"));
    EXPECT_TRUE(QFileInfo(path("font.hex")).isDir());
}

}  // namespace
}  // namespace ledfont::ui
