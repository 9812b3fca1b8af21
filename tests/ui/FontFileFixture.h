#pragma once

#include <QDir>

#include <sys/resource.h>

#include <csignal>
#include <memory>
#include <ranges>
#include <vector>

#include "WindowFixture.h"
#include "font/FontText.h"
#include "support/TestFiles.h"
#include "ui/FileSelector.h"

namespace ledfont::ui {

// A font whose every glyph differs from its neighbours and from the fonts of other seeds, and whose
// records the controls can show.
inline std::unique_ptr<FontTables> makeFont(FontKind kind, int seed) {
    auto font = std::make_unique<FontTables>();
    font->JuktaMode = kind == FontKind::Jukta512;
    for (int g = 0; g < glyphCount(kind); ++g) {
        font->FontData.set(g, 0, 1 + (g + seed) % 16);
        font->FontData.set(g, 1, ((g % 3) << 4) | (1 + (g + seed) % 15));
        for (int b = 2; b < kRecordBytes; ++b) {
            font->FontData.set(g, b, (g * 31 + b * 7 + seed * 13) % 256);
        }
        if (font->JuktaMode) {
            font->JuktaData.set(g, 0, (g + seed) % 128);
            font->JuktaData.set(g, 1, (g * 3 + seed) % 128);
        }
    }
    return font;
}

inline QByteArray fileBytes(const QString& path) {
    return QByteArray::fromStdString(test::readFile(path.toStdString()));
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    test::writeFile(path.toStdString(), bytes.toStdString());
}

// Writes larger than `bytes` fail with EFBIG (SIGXFSZ ignored) until the guard goes.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

// Makes `folder` the current folder until the guard goes.
class CurrentFolder {
  public:
    explicit CurrentFolder(const QString& folder) : previous_(QDir::currentPath()) {
        EXPECT_TRUE(QDir::setCurrent(folder));
    }
    ~CurrentFolder() { QDir::setCurrent(previous_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

  private:
    QString previous_;
};

// Everything a failed load or an export must leave alone.
struct Shown {
    FontTables tables;
    std::int16_t curChar = 0;
    std::vector<editor::Colour> pixels;
    QStringList texts;
    std::vector<bool> flags;
    bool operator==(const Shown&) const = default;
};

// Readable failures: the controls' part only, never the tables' bytes.
inline void PrintTo(const Shown& shown, std::ostream* out) {
    *out << shown.texts.join(QStringLiteral(" | ")).toStdString() << " glyph " << shown.curChar
         << (shown.tables.JuktaMode ? " jukta" : " hindi");
}

// The window with its file lists in a temporary folder, driven through its controls.
class FontFileWindowTest : public WindowTest {
  protected:
    FontFileWindowTest() { EXPECT_TRUE(control<DirListBox>("Dir1")->setPath(dir)); }

    QString path(const QString& name) const { return dir + QLatin1Char('/') + name; }

    void writeFont(const QString& name, const FontTables& font) {
        saveFontFile(path(name).toStdString(), font);
    }

    // Clicks `name` in the file list, listing the folder again first as files come and go under a test.
    void chooseFile(const QString& name) {
        auto* list = control<FileListBox>("File1");
        list->setPath(list->path());
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        list->scrollToItem(found.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    }

    void load(const QString& name, FontKind kind) {
        chooseFile(name);
        click(kind == FontKind::Jukta512 ? "optJukta" : "optHindi");
        click("cmdLoad");
    }

    // Lights the first dark cell with the mouse, so that the canvas differs from the stored glyph.
    void paintDarkCell() {
        int cell = 0;
        while (cell < 256 && lit(cell % 16, cell / 16)) {
            ++cell;
        }
        ASSERT_LT(cell, 256);
        QTest::mouseClick(pic(), Qt::LeftButton, {}, cellCentre(cell % 16, cell / 16));
        ASSERT_TRUE(lit(cell % 16, cell / 16));
    }

    std::unique_ptr<Shown> shown() {
        auto now = std::make_unique<Shown>();
        now->tables = tables();
        now->curChar = tables().CurChar;
        now->pixels.assign(raster().pixels().begin(), raster().pixels().end());
        now->texts = {window.windowTitle(),
                      text("lblLoc"),
                      text("lblFile"),
                      combo("cmbCols")->currentText(),
                      combo("cmbCentre")->currentText(),
                      text("txtJukta_0"),
                      text("txtJukta_1")};
        for (const char* name : {"FrameJ", "cmdSave"}) {
            now->flags.push_back(control(name)->isVisible() && control(name)->isEnabled());
        }
        for (const char* name : {"optConst", "optVowel", "optIkaar", "optHindi"}) {
            now->flags.push_back(checked(name));
        }
        return now;
    }

    test::TempFolder folder;
    const QString dir = QString::fromStdString(folder.path().string());
};

}  // namespace ledfont::ui
