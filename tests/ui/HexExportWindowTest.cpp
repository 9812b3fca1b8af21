#include <QFile>
#include <QProcess>

#include "FontFileFixture.h"

namespace ledfont::ui {
namespace {

using HexExportWindowTest = FontFileWindowTest;

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
    EXPECT_EQ(fileBytes(path("jukta.hex")), cliHex("jukta.txt", "jukta512"));

    load("hindi.txt", FontKind::Hindi);
    paintDarkCell();
    const auto before = shown();
    click("cmdConvertToHex");
    EXPECT_EQ(*shown(), *before);
    EXPECT_EQ(fileBytes(path("hindi.hex")).count('\n'), 273);
    EXPECT_EQ(fileBytes(path("hindi.hex")), cliHex("hindi.txt", "hindi"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(HexExportWindowTest, NamesTheFileAfterTheFontFileAndNeverReplacesTheFont) {
    const auto font = makeFont(FontKind::Hindi, 9);
    for (auto [name, hex] : {std::pair{"hindi.txt", "hindi.hex"}, std::pair{"font.c", "font.hex"},
                             std::pair{"font.text", "font.hex"}, std::pair{"font", "font.hex"}}) {
        writeFont(name, *font);
        chooseFile(name);
        click("cmdConvertToHex");
        EXPECT_TRUE(messages.empty()) << name;
        EXPECT_TRUE(fileBytes(path(hex)).endsWith(":00000001FF\r\n")) << name;
        ASSERT_TRUE(QFile::remove(path(hex)) && QFile::remove(path(name)));
    }

    writeFont("font.hex", *font);
    const QByteArray original = fileBytes(path("font.hex"));
    chooseFile("font.hex");
    click("cmdConvertToHex");
    expectMessage("Error Writing HEX File", "File already exists: " + path("font.hex"));
    EXPECT_EQ(fileBytes(path("font.hex")), original);
}

TEST_F(HexExportWindowTest, WriteFailureIsReportedAndLeavesTheOlderHexFile) {
    writeFont("font.txt", *makeFont(FontKind::Hindi, 10));
    load("font.txt", FontKind::Hindi);
    writeBytes(path("font.hex"), ":00000001FF\r\n");
    const auto before = shown();
    {
        FileSizeLimit limit(1000);
        click("cmdConvertToHex");
    }
    expectMessage("Error Writing HEX File", "Disk full: " + path("font.hex"));
    EXPECT_EQ(fileBytes(path("font.hex")), QByteArray(":00000001FF\r\n"));
    EXPECT_EQ(QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList({"font.hex", "font.txt"}));

    ASSERT_TRUE(QFile::remove(path("font.hex")) && QDir(dir).mkdir("font.hex"));
    click("cmdConvertToHex");
    expectMessage("Error Writing HEX File", "Path/File access error: " + path("font.hex"));
    EXPECT_EQ(*shown(), *before);
}

}  // namespace
}  // namespace ledfont::ui
