#include <QFile>

#include "FontFileFixture.h"

namespace ledfont::ui {
namespace {

// The font text of `font` with line `line` (from 1) replaced by `text`.
QByteArray withLine(const FontTables& font, int line, const QByteArray& text) {
    QList<QByteArray> lines = QByteArray::fromStdString(formatFontText(font)).split('\n');
    lines[line - 1] = text + '\r';
    return lines.join('\n');
}

QByteArray withoutLastValue(const FontTables& font) {
    QByteArray text = QByteArray::fromStdString(formatFontText(font));
    text.chop(2);
    return text.left(text.lastIndexOf('\n') + 1);
}

TEST_F(FontFileWindowTest, LoadAndSaveWithNoFileChosenDoNothingButStoreTheCanvas) {
    paintCell(3, 4);
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
    struct Case {
        FontKind kind;
        const char* name;
        const char* code;
    };
    for (const Case& c : {Case{FontKind::Hindi, "hindi.txt", "Code: 0900"},
                          Case{FontKind::Jukta512, "jukta.txt", "Code: 000"}}) {
        SCOPED_TRACE(c.name);
        const auto font = makeFont(c.kind, 3);
        writeFont(c.name, *font);
        click("cmdShowInc");
        load(c.name, c.kind);

        const bool jukta = c.kind == FontKind::Jukta512;
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(tables().FontFile, path(c.name).toStdString());
        EXPECT_EQ(control<QLabel>("lblFile")->text(), QStringLiteral("File : ") + path(c.name));
        EXPECT_EQ(control<QLabel>("lblLoc")->text(), QString::fromLatin1(c.code));
        EXPECT_EQ(control<QWidget>("FrameJ")->isVisible(), jukta);
        EXPECT_TRUE(control<QWidget>("cmdSave")->isEnabled());
        EXPECT_EQ(tables().JuktaMode, jukta);
        EXPECT_EQ(tables().CurChar, 0);
        for (int g = 0; g < glyphCount(c.kind); ++g) {
            ASSERT_TRUE(std::ranges::equal(tables().FontData.row(g), font->FontData.row(g))) << g;
            ASSERT_TRUE(std::ranges::equal(tables().JuktaData.row(g), font->JuktaData.row(g))) << g;
        }
        for (int column = 0; column < 16; ++column) {
            for (int row = 0; row < 16; ++row) {
                EXPECT_EQ(lit(column, row), ledLit(font->FontData, 0, column, row)) << column << "," << row;
            }
        }
    }
}

TEST_F(FontFileWindowTest, FailedLoadsChangeNothingAndALaterLoadSucceeds) {
    const auto good = makeFont(FontKind::Hindi, 1);
    const auto jukta = makeFont(FontKind::Jukta512, 2);
    writeFont("good.txt", *good);
    writeFont("jukta.txt", *jukta);
    writeBytes(path("overflow.txt"), withLine(*makeFont(FontKind::Hindi, 4), 41, "256"));
    writeBytes(path("overflow-j.txt"), withLine(*makeFont(FontKind::Jukta512, 4), 41, "256"));
    writeBytes(path("short.txt"), withoutLastValue(*makeFont(FontKind::Hindi, 4)));
    // A loaded font, a later glyph and an unstored stroke: all of it must survive.
    load("good.txt", FontKind::Hindi);
    click("cmdShowInc");
    click("cmdShowInc");
    paintDarkCell();

    struct Case {
        const char* name;
        FontKind kind;
        const char* title;
        QString text;
    };
    const Case cases[] = {
        {"overflow.txt", FontKind::Hindi, "Error Loading File",
         "Overflow: " + path("overflow.txt") + ", line 41, value \"256\""},
        {"overflow-j.txt", FontKind::Jukta512, "Error!",
         "Overflow: " + path("overflow-j.txt") + ", line 41, value \"256\""},
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
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].first, QString::fromLatin1(c.title));
        EXPECT_TRUE(messages[0].second.startsWith(c.text)) << messages[0].second.toStdString();
        messages.clear();
    }

    load("jukta.txt", FontKind::Jukta512);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(tables().JuktaMode);
    EXPECT_EQ(tables().CurChar, 0);
    EXPECT_TRUE(std::ranges::equal(tables().JuktaData.row(511), jukta->JuktaData.row(511)));
}

TEST_F(FontFileWindowTest, SaveWritesTheFileChosenAtTheClick) {
    for (FontKind kind : {FontKind::Hindi, FontKind::Jukta512}) {
        SCOPED_TRACE(kind == FontKind::Hindi ? "Hindi" : "Jukta512");
        const auto font = makeFont(kind, 5);
        writeFont("loaded.txt", *font);
        writeBytes(path("other.txt"), "older\r\n");
        load("loaded.txt", kind);
        chooseFile("other.txt");
        click("cmdSave");

        EXPECT_TRUE(messages.empty());
        const QByteArray saved = fileBytes(path("other.txt"));
        EXPECT_EQ(saved.count("\r\n"), valueCount(kind));
        EXPECT_EQ(saved.count('\n'), valueCount(kind));
        EXPECT_EQ(saved.toStdString(), formatFontText(tables()));
        EXPECT_EQ(fileBytes(path("loaded.txt")).toStdString(), formatFontText(*font));
    }
}

TEST_F(FontFileWindowTest, FailedSaveIsReportedAndLeavesTheFiles) {
    writeFont("font.txt", *makeFont(FontKind::Hindi, 6));
    load("font.txt", FontKind::Hindi);
    const QByteArray original = fileBytes(path("font.txt"));
    auto expectSaveFails = [&](const QString& text) {
        click("cmdSave");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].first, QStringLiteral("Error Saving File"));
        EXPECT_TRUE(messages[0].second.startsWith(text)) << messages[0].second.toStdString();
        messages.clear();
    };

    // The chosen file's folder is removed before the click.
    ASSERT_TRUE(QDir(dir).mkdir("sub"));
    writeBytes(path("sub/x.txt"), "1\r\n");
    ASSERT_TRUE(control<DirListBox>("Dir1")->setPath(path("sub")));
    chooseFile("x.txt");
    ASSERT_TRUE(QDir(path("sub")).removeRecursively());
    expectSaveFails("Path not found: " + path("sub/x.txt"));
    EXPECT_FALSE(QFileInfo::exists(path("sub")));

    // The chosen file has become a folder.
    ASSERT_TRUE(control<DirListBox>("Dir1")->setPath(dir));
    writeBytes(path("y.txt"), "1\r\n");
    chooseFile("y.txt");
    ASSERT_TRUE(QFile::remove(path("y.txt")) && QDir(dir).mkdir("y.txt"));
    expectSaveFails("Path/File access error: " + path("y.txt"));
    EXPECT_TRUE(QFileInfo(path("y.txt")).isDir());

    // The disk fills up while the loaded file itself is replaced.
    chooseFile("font.txt");
    paintDarkCell();
    {
        FileSizeLimit limit(1000);
        expectSaveFails("Disk full: " + path("font.txt"));
    }
    EXPECT_EQ(fileBytes(path("font.txt")), original);
    EXPECT_EQ(QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList({"font.txt", "y.txt"}));
}

TEST_F(FontFileWindowTest, FileListsStartInTheCurrentFolderAndNameTheFontFile) {
    writeBytes(path("a.txt"), "1\r\n");
    std::unique_ptr<frmFont> other;
    {
        CurrentFolder inside(dir);
        other = std::make_unique<frmFont>();
    }
    auto* file1 = other->findChild<FileListBox*>(QStringLiteral("File1"));
    ASSERT_NE(file1, nullptr);
    EXPECT_EQ(file1->path(), dir);
    EXPECT_EQ(file1->count(), 1);

    EXPECT_FALSE(control<DirListBox>("Dir1")->setPath(path("missing")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, QStringLiteral("Error Reading Folder"));

    // At the root the separator is not doubled.
    ASSERT_TRUE(control<DirListBox>("Dir1")->setPath(QDir::rootPath()));
    auto* rootFiles = control<FileListBox>("File1");
    if (rootFiles->count() == 0) {
        GTEST_SKIP() << "the root folder holds no file to click";
    }
    const QString name = rootFiles->item(0)->text();
    chooseFile(name);
    EXPECT_EQ(QString::fromStdString(tables().FontFile), QDir::rootPath() + name);
    EXPECT_EQ(control<QLabel>("lblFile")->text(), "File : " + QDir::rootPath() + name);
}

TEST_F(FontFileWindowTest, HiddenJconvButtonConvertsItsFixedFilesInTheCurrentFolder) {
#ifdef _WIN32
    GTEST_SKIP() << "the fixed names are on drive D: here";
#endif
    CurrentFolder inside(dir);
    QByteArray list;
    QByteArray expected;
    for (int i = 0; i < 128; ++i) {
        list += "0x" + QByteArray::number(i, 16).rightJustified(2, '0') + (i % 2 == 0 ? "," : "\n");
        expected += QByteArray::number(i) + "\r\n";
    }
    writeBytes(path("d:\\juk64con.txt"), list);
    auto* jconv = control<QPushButton>("Command1");
    ASSERT_FALSE(jconv->isVisible());
    jconv->click();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(fileBytes(path("d:\\1.txt")), expected);

    ASSERT_TRUE(QFile::remove(path("d:\\juk64con.txt")));
    jconv->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, QStringLiteral("Error!"));
    EXPECT_TRUE(messages[0].second.startsWith("File not found: d:\\juk64con.txt"))
        << messages[0].second.toStdString();
    EXPECT_EQ(fileBytes(path("d:\\1.txt")), expected);
}

}  // namespace
}  // namespace ledfont::ui
