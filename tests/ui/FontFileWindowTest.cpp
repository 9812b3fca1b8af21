#include <QFile>

#include "FontFileFixture.h"

namespace ledfont::ui {
namespace {

// The font text of `font` with line `line` (from 1) replaced by `text`, or cut before it when `text` is null.
QByteArray withLine(const FontTables& font, int line, const char* text) {
    QList<QByteArray> lines = QByteArray::fromStdString(formatFontText(font)).split('\n');
    if (text == nullptr) {
        return lines.mid(0, line - 1).join('\n') + '\n';
    }
    lines[line - 1] = QByteArray(text) + '\r';
    return lines.join('\n');
}

TEST_F(FontFileWindowTest, LoadAndSaveWithNoFileChosenDoNothingButStoreTheCanvas) {
    QTest::mouseClick(pic(), Qt::LeftButton, {}, cellCentre(3, 4));
    const auto before = shown();
    click("cmdLoad");
    EXPECT_EQ(*shown(), *before);

    // Save is enabled only by a load, which needs a file; its handler alone shows the empty case.
    window.cmdSave_Click();
    EXPECT_TRUE(ledLit(tables().FontData, 0, 3, 4));
    EXPECT_FALSE(ledLit(tables().FontData, 0, 4, 4));
    EXPECT_EQ(tables().FontData(0, 0), 8);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(QDir(dir).isEmpty());
}

TEST_F(FontFileWindowTest, LoadShowsGlyphZeroOfEitherKindAndEnablesSave) {
    for (auto [kind, code] :
         {std::pair{FontKind::Hindi, "Code: 0900"}, std::pair{FontKind::Jukta512, "Code: 000"}}) {
        const bool jukta = kind == FontKind::Jukta512;
        SCOPED_TRACE(jukta);
        const auto font = makeFont(kind, 3);
        writeFont("font.txt", *font);
        click("cmdShowInc");  // shows glyph 1 all lit, which the load must clear
        load("font.txt", kind);

        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(tables().FontFile, path("font.txt").toStdString());
        EXPECT_EQ(text("lblFile"), "File : " + path("font.txt"));
        EXPECT_EQ(text("lblLoc"), code);
        EXPECT_EQ(control("FrameJ")->isVisible(), jukta);
        EXPECT_TRUE(control("cmdSave")->isEnabled());
        EXPECT_EQ(tables().JuktaMode, jukta);
        EXPECT_EQ(tables().CurChar, 0);
        EXPECT_TRUE(tables().FontData == font->FontData && tables().JuktaData == font->JuktaData);
        for (int cell = 0; cell < 256; ++cell) {
            EXPECT_EQ(lit(cell % 16, cell / 16), ledLit(font->FontData, 0, cell % 16, cell / 16)) << cell;
        }
    }
}

TEST_F(FontFileWindowTest, FailedLoadsChangeNothingAndALaterLoadSucceeds) {
    const auto jukta = makeFont(FontKind::Jukta512, 2);
    writeFont("good.txt", *makeFont(FontKind::Hindi, 1));
    writeFont("jukta.txt", *jukta);
    writeBytes(path("overflow.txt"), withLine(*makeFont(FontKind::Hindi, 4), 41, "256"));
    writeBytes(path("overflow-j.txt"), withLine(*jukta, 41, "256"));
    writeBytes(path("short.txt"), withLine(*makeFont(FontKind::Hindi, 4), 4352, nullptr));
    // A loaded font, a later glyph and an unstored stroke: all of it must survive.
    load("good.txt", FontKind::Hindi);
    click("cmdShowInc");
    click("cmdShowInc");
    paintDarkCell();
    // Each load asks first; the work is given up, yet a load that fails must still keep it.
    answer = QMessageBox::Discard;

    struct Case {
        const char* name;
        FontKind kind;
        const char* title;
        QString text;
    };
    const Case cases[] = {
        {"overflow.txt", FontKind::Hindi, "Error Loading File",
         "Overflow: " + path("overflow.txt") + ", line 41"},
        {"overflow-j.txt", FontKind::Jukta512, "Error!", "Overflow: " + path("overflow-j.txt") + ", line 41"},
        {"short.txt", FontKind::Hindi, "Error Loading File", "Input past end of file: " + path("short.txt")},
        {"good.txt", FontKind::Jukta512, "Error!", "Input past end of file: " + path("good.txt")},
        {"missing.txt", FontKind::Hindi, "Error Loading File", "File not found: " + path("missing.txt")},
        {"missing.txt", FontKind::Jukta512, "Error!", "File not found: " + path("missing.txt")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.kind == FontKind::Jukta512 ? " as Jukta512" : " as Hindi"));
        const bool missing = std::string_view(c.name) == "missing.txt";
        if (missing) {
            writeBytes(path(c.name), "");  // listed to be chosen, gone at the click
        }
        chooseFile(c.name);
        click(c.kind == FontKind::Jukta512 ? "optJukta" : "optHindi");
        if (missing) {
            ASSERT_TRUE(QFile::remove(path(c.name)));
        }
        const auto before = shown();
        click("cmdLoad");
        EXPECT_EQ(*shown(), *before);
        expectMessage(c.title, c.text);
    }

    load("jukta.txt", FontKind::Jukta512);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(tables().JuktaMode);
    EXPECT_TRUE(tables().JuktaData == jukta->JuktaData);
}

// A file chosen but not there yet is a copy: written without a question.
TEST_F(FontFileWindowTest, SaveWritesTheFileChosenAtTheClick) {
    for (FontKind kind : {FontKind::Hindi, FontKind::Jukta512}) {
        const auto font = makeFont(kind, 5);
        writeFont("loaded.txt", *font);
        writeBytes(path("other.txt"), "older\r\n");
        load("loaded.txt", kind);
        chooseFile("other.txt");
        ASSERT_TRUE(QFile::remove(path("other.txt")));
        click("cmdSave");
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(questions.empty());
        EXPECT_EQ(fileBytes(path("other.txt")).toStdString(), formatFontText(*font));
        EXPECT_EQ(fileBytes(path("loaded.txt")).toStdString(), formatFontText(*font));
    }
}

TEST_F(FontFileWindowTest, FailedSaveIsReportedAndLeavesTheFiles) {
    writeFont("font.txt", *makeFont(FontKind::Hindi, 6));
    load("font.txt", FontKind::Hindi);
    const QByteArray original = fileBytes(path("font.txt"));

    // The chosen file's folder is removed before the click.
    ASSERT_TRUE(QDir(dir).mkdir("sub"));
    writeBytes(path("sub/x.txt"), "1\r\n");
    ASSERT_TRUE(control<DirListBox>("Dir1")->setPath(path("sub")));
    chooseFile("x.txt");
    ASSERT_TRUE(QDir(path("sub")).removeRecursively());
    click("cmdSave");
    expectMessage("Error Saving File", "Path not found: " + path("sub/x.txt"));

    // The chosen file has become a folder.
    ASSERT_TRUE(control<DirListBox>("Dir1")->setPath(dir));
    writeBytes(path("y.txt"), "1\r\n");
    chooseFile("y.txt");
    ASSERT_TRUE(QFile::remove(path("y.txt")) && QDir(dir).mkdir("y.txt"));
    click("cmdSave");
    expectMessage("Error Saving File", "Path/File access error: " + path("y.txt"));

    // The disk fills up while the loaded file itself is replaced.
    chooseFile("font.txt");
    paintDarkCell();
    {
        FileSizeLimit limit(1000);
        click("cmdSave");
    }
    expectMessage("Error Saving File", "Disk full: " + path("font.txt"));
    EXPECT_EQ(fileBytes(path("font.txt")), original);
    EXPECT_EQ(QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList({"font.txt", "y.txt"}));
    EXPECT_TRUE(QFileInfo(path("y.txt")).isDir());
}

TEST_F(FontFileWindowTest, FontFileAtTheRootHasOneSeparator) {
    ASSERT_TRUE(control<DirListBox>("Dir1")->setPath(QDir::rootPath()));
    auto* rootFiles = control<FileListBox>("File1");
    if (rootFiles->count() == 0) {
        GTEST_SKIP() << "the root folder holds no file to click";
    }
    const QString name = rootFiles->item(0)->text();
    chooseFile(name);
    EXPECT_EQ(QString::fromStdString(tables().FontFile), QDir::rootPath() + name);
    EXPECT_EQ(text("lblFile"), "File : " + QDir::rootPath() + name);
}

// A name that is not UTF-8 (an old Latin-1 disk, say) is listed with a replacement mark and still names
// its own file when loaded and saved.
TEST_F(FontFileWindowTest, FileNamesThatAreNotTextAreListedLoadedAndSaved) {
    const std::string raw = "caf\xE9.txt";
    const auto font = makeFont(FontKind::Hindi, 12);
    saveFontFile(folder.path() / raw, *font);
    const QString shown = QStringLiteral("caf\uFFFD.txt");
    load(shown, FontKind::Hindi);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(tables().FontFile, (folder.path() / raw).string());
    EXPECT_EQ(text("lblFile"), "File : " + path(shown));
    EXPECT_TRUE(tables().FontData == font->FontData);
    paintDarkCell();
    click("cmdSave");
    EXPECT_TRUE(messages.empty() && questions.empty());
    EXPECT_EQ(test::readFile(folder.path() / raw), formatFontText(tables()));
    EXPECT_NE(test::readFile(folder.path() / raw), formatFontText(*font));
}

TEST_F(FontFileWindowTest, HiddenJconvButtonConvertsItsFixedFilesInTheCurrentFolder) {
    CurrentFolder inside(dir);
    QByteArray list;
    QByteArray expected;
    for (int i = 0; i < 128; ++i) {
        list += "0x" + QByteArray::number(i, 16).rightJustified(2, '0') + (i % 2 == 0 ? "," : "\n");
        expected += QByteArray::number(i) + "\r\n";
    }
    writeBytes(path("d:\\juk64con.txt"), list);
    auto* jconv = control<QAbstractButton>("Command1");
    jconv->click();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(fileBytes(path("d:\\1.txt")), expected);

    ASSERT_TRUE(QFile::remove(path("d:\\juk64con.txt")));
    jconv->click();
    expectMessage("Error!", "File not found: d:\\juk64con.txt");
    EXPECT_EQ(fileBytes(path("d:\\1.txt")), expected);
}

}  // namespace
}  // namespace ledfont::ui
