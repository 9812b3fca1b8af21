#include <QFile>

#include "FontFileFixture.h"

namespace ledfont::ui {
namespace {

using UnsavedWorkWindowTest = FontFileWindowTest;

// Save and the export write the file clicked last, but replace a file that holds something else only when
// the user says so.
TEST_F(UnsavedWorkWindowTest, ReplacingAFileOtherThanTheLoadedOneAsksFirst) {
    const auto font = makeFont(FontKind::Hindi, 1);
    writeFont("hindi.txt", *font);
    writeBytes(path("notes.txt"), "my notes\r\n");
    writeBytes(path("notes.hex"), "other hex\r\n");
    writeBytes(path("broken.txt"), "1\r\n");

    struct Case {
        const char* file;
        const char* button;
        const char* target;
        QString question;
    };
    const Case cases[] = {
        {"notes.txt", "cmdConvertToHex", "notes.hex",
         "Replace notes.hex with the HEX of the font loaded from hindi.txt?"},
        {"notes.txt", "cmdSave", "notes.txt", "Replace notes.txt with the font loaded from hindi.txt?"},
        // A load that fails leaves the previous font in the tables.
        {"broken.txt", "cmdSave", "broken.txt", "Replace broken.txt with the font loaded from hindi.txt?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        load("hindi.txt", FontKind::Hindi);
        chooseFile(c.file);
        click("cmdLoad");  // fails: the tables keep the font of hindi.txt
        messages.clear();
        const QByteArray before = fileBytes(path(c.target));
        answer = QMessageBox::No;
        click(c.button);
        EXPECT_EQ(questions, QStringList{c.question});
        EXPECT_EQ(fileBytes(path(c.target)), before);
        questions.clear();
        answer = QMessageBox::Yes;
        click(c.button);
        EXPECT_EQ(questions.size(), 1);
        EXPECT_NE(fileBytes(path(c.target)), before);
        EXPECT_TRUE(messages.empty());
        questions.clear();
    }
    // The copy saved last is now the document: saving back to it, or to its HEX, asks nothing.
    ASSERT_TRUE(QFile::remove(path("broken.hex")) || !QFile::exists(path("broken.hex")));
    writeBytes(path("broken.hex"), "older\r\n");
    click("cmdSave");
    click("cmdConvertToHex");
    chooseFile("hindi.txt");
    writeBytes(path("hindi.hex"), "older\r\n");
    click("cmdLoad");
    click("cmdSave");
    click("cmdConvertToHex");
    EXPECT_TRUE(questions.empty()) << questions.join(" | ").toStdString();
    EXPECT_EQ(fileBytes(path("hindi.txt")).toStdString(), formatFontText(*font));
    EXPECT_TRUE(fileBytes(path("hindi.hex")).endsWith(":00000001FF\r\n"));
}

// A Jukta512 font loaded as Hindi holds four times the values a Hindi save writes.
TEST_F(UnsavedWorkWindowTest, SavingFewerValuesThanTheFileHoldsAsksFirst) {
    const auto jukta = makeFont(FontKind::Jukta512, 2);
    writeFont("jukta.txt", *jukta);
    const QByteArray original = fileBytes(path("jukta.txt"));
    load("jukta.txt", FontKind::Hindi);
    ASSERT_TRUE(messages.empty());

    answer = QMessageBox::No;
    click("cmdSave");
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("18432 values")) << questions[0].toStdString();
    EXPECT_TRUE(questions[0].contains("drops 14080")) << questions[0].toStdString();
    EXPECT_TRUE(questions[0].contains("\"Jukta512\"")) << questions[0].toStdString();
    EXPECT_EQ(fileBytes(path("jukta.txt")), original);

    answer = QMessageBox::Yes;
    click("cmdSave");
    EXPECT_EQ(fileBytes(path("jukta.txt")).count('\n'), 4352);
    // Now the file holds what is saved: nothing more to ask.
    questions.clear();
    click("cmdSave");
    EXPECT_TRUE(questions.empty());

    // The same file loaded as Jukta512 saves whole without a question.
    writeFont("jukta.txt", *jukta);
    load("jukta.txt", FontKind::Jukta512);
    click("cmdSave");
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(fileBytes(path("jukta.txt")), original);
}

TEST_F(UnsavedWorkWindowTest, ClosingWithUnsavedWorkAsksSaveDiscardOrCancel) {
    // Nothing loaded, or a font loaded and stepped through without a change: closing asks nothing.
    EXPECT_TRUE(window.close());
    window.show();
    writeFont("font.txt", *makeFont(FontKind::Hindi, 3));
    const QByteArray original = fileBytes(path("font.txt"));
    load("font.txt", FontKind::Hindi);
    click("cmdShowInc");
    click("cmdShowDec");
    EXPECT_FALSE(window.hasUnsavedChanges());
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(questions.empty());
    window.show();

    // A stroke on the canvas, not yet stored.
    paintDarkCell();
    answer = QMessageBox::Cancel;
    EXPECT_FALSE(window.close());
    EXPECT_EQ(questions, QStringList{"Save changes to font.txt?"});
    EXPECT_TRUE(window.isVisible());

    // A failed save keeps the window and the work.
    answer = QMessageBox::Save;
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(window.close());
    }
    expectMessage("Error Saving File", "Disk full: " + path("font.txt"));
    EXPECT_EQ(fileBytes(path("font.txt")), original);
    EXPECT_TRUE(window.isVisible());

    EXPECT_TRUE(window.close());
    EXPECT_EQ(fileBytes(path("font.txt")).toStdString(), formatFontText(tables()));
    EXPECT_NE(fileBytes(path("font.txt")), original);
    window.show();
    EXPECT_FALSE(window.hasUnsavedChanges());

    // A change stored in the tables by stepping on, then discarded.
    paintDarkCell();
    click("cmdShowInc");
    const QByteArray saved = fileBytes(path("font.txt"));
    answer = QMessageBox::Discard;
    EXPECT_TRUE(window.close());
    EXPECT_EQ(fileBytes(path("font.txt")), saved);
}

// Loading another font, by "Load" or by File > Open Font..., would drop the work as closing does.
TEST_F(UnsavedWorkWindowTest, LoadingAnotherFontWithUnsavedWorkAsksSaveDiscardOrCancel) {
    writeFont("other.txt", *makeFont(FontKind::Hindi, 8));
    const struct {
        bool byMenu;
        QMessageBox::StandardButton answer;
        bool saved;   // font.txt holds the work afterwards
        bool loaded;  // other.txt is shown afterwards
    } cases[] = {
        {false, QMessageBox::Cancel, false, false}, {false, QMessageBox::Discard, false, true},
        {false, QMessageBox::Save, true, true},     {true, QMessageBox::Cancel, false, false},
        {true, QMessageBox::Discard, false, true},  {true, QMessageBox::Save, true, true},
    };
    for (const auto& c : cases) {
        const std::string what = std::string(c.byMenu ? "Open Font, " : "Load, ") + std::to_string(c.answer);
        writeFont("font.txt", *makeFont(FontKind::Hindi, 3));
        const QByteArray original = fileBytes(path("font.txt"));
        load("font.txt", FontKind::Hindi);
        questions.clear();
        // A change stored by stepping on, and a stroke on the next glyph: both are work to keep.
        paintDarkCell();
        click("cmdShowInc");
        paintDarkCell();
        const FontTables withWork = tables();
        const std::vector<std::uint32_t> pixels(raster().pixels().begin(), raster().pixels().end());
        answer = c.answer;
        chosenFile = path("other.txt");
        if (c.byMenu) {
            window.findChild<QAction*>("actOpenFont")->trigger();
        } else {
            load("other.txt", FontKind::Hindi);
        }
        EXPECT_EQ(questions, QStringList{"Save changes to font.txt?"}) << what;
        EXPECT_EQ(fileBytes(path("font.txt")) != original, c.saved) << what;
        EXPECT_EQ(window.documentFile(), path(c.loaded ? "other.txt" : "font.txt").toStdString()) << what;
        if (!c.loaded) {
            EXPECT_EQ(static_cast<const FontTables&>(tables()).FontData, withWork.FontData) << what;
            EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), raster().pixels().begin())) << what;
            EXPECT_TRUE(window.hasUnsavedChanges()) << what;
        }
        answer = QMessageBox::Discard;
        load("font.txt", FontKind::Hindi);
    }

    // A save that fails keeps the font and its work; a font without changes loads without a question.
    paintDarkCell();
    answer = QMessageBox::Save;
    questions.clear();
    {
        FileSizeLimit limit(1000);
        load("other.txt", FontKind::Hindi);
    }
    expectMessage("Error Saving File", "Disk full: " + path("font.txt"));
    EXPECT_EQ(window.documentFile(), path("font.txt").toStdString());
    EXPECT_TRUE(window.hasUnsavedChanges());
    answer = QMessageBox::Discard;
    load("other.txt", FontKind::Hindi);
    questions.clear();
    load("font.txt", FontKind::Hindi);
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(window.documentFile(), path("font.txt").toStdString());
}

// Cancel keeps the loaded font, and the kind buttons show its kind again, not the one clicked for the load.
TEST_F(UnsavedWorkWindowTest, CancelOnLoadShowsTheLoadedKindAgain) {
    writeFont("jukta.txt", *makeFont(FontKind::Jukta512, 3));
    load("jukta.txt", FontKind::Jukta512);
    paintDarkCell();
    answer = QMessageBox::Cancel;
    load("jukta.txt", FontKind::Hindi);
    EXPECT_TRUE(window.editor().kind() == FontKind::Jukta512 && checked("optJukta") && !checked("optHindi"));
}

}  // namespace
}  // namespace ledfont::ui
