#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QString>
#include <QTest>
#include <ostream>
#include <utility>
#include <vector>

#include "editor/PictureSurface.h"
#include "editor/Raster.h"
#include "ui/CanvasWidget.h"
#include "ui/frmFont.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace ledfont::ui {

// What the window shows under the names the tests use: the editor's font, the glyph shown and the bitmap
// of its draft. Read only: the tests change the font as a user does, through the controls and files.
struct WindowTables {
    explicit WindowTables(const editor::GlyphEditor& editor)
        : font(editor.font()),
          FontData(font.FontData),
          JuktaData(font.JuktaData),
          JuktaMode(font.JuktaMode),
          FontFile(font.FontFile),
          CharMap(editor.charMap()),
          CurChar(static_cast<std::int16_t>(editor.glyph())) {}
    operator const FontTables&() const { return font; }

    const FontTables& font;
    const FontDataTable& FontData;
    const JuktaDataTable& JuktaData;
    const bool& JuktaMode;
    const std::string& FontFile;
    const CharMapArray CharMap;
    const std::int16_t CurChar;
};

// A shown window whose error messages are collected instead of popping up.
class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        window.setErrorSink(
            [this](const QString& title, const QString& text) { messages.emplace_back(title, text); });
        window.setQuestionSink([this](const QString&, const QString& text, QMessageBox::StandardButtons,
                                      QMessageBox::StandardButton) {
            questions.push_back(text);
            return answer;
        });
        window.setReportSink(
            [this](const QString& title, const QString& text) { reports.emplace_back(title, text); });
        window.setFileChooser([this](const QString&, const QString& start) {
            chooserStarts.push_back(start);
            return chosenFile;
        });
        window.show();
    }

    template <typename T = QWidget>
    T* control(const char* name) {
        auto* widget = window.findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            ADD_FAILURE() << "no control " << name;
        }
        return widget;
    }
    QComboBox* combo(const char* name) { return control<QComboBox>(name); }
    // The caption of a label or the contents of a text box.
    QString text(const char* name) { return control(name)->property("text").toString(); }
    bool checked(const char* option) { return control<QAbstractButton>(option)->isChecked(); }
    void click(const char* button) { QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton); }
    // Picks the last entry of a list with the keyboard, as a user would.
    void pickLast(const char* list) {
        combo(list)->setFocus();
        QTest::keyClick(combo(list), Qt::Key_End);
    }

    CanvasWidget* pic() { return control<CanvasWidget>("pic"); }
    const editor::Raster& raster() { return pic()->raster(); }
    // The widget pixel over a canvas position, and over the centre of a cell.
    QPoint at(double x, double y) {
        return {static_cast<int>(x * pic()->width() / 161.0), static_cast<int>(y * pic()->height() / 161.0)};
    }
    QPoint cellCentre(int column, int row) { return at(10 * column + 5, 10 * row + 5); }

    bool lit(int column, int row) { return raster().pixel(10 * column + 5, 10 * row + 5) != editor::kBlack; }
    int litCount() {
        int count = 0;
        for (int cell = 0; cell < 256; ++cell) {
            count += lit(cell % 16, cell / 16) ? 1 : 0;
        }
        return count;
    }
    // The one green column, or -1 when none or several show.
    int greenLineX() {
        int found = -1;
        for (int x = 0; x < editor::Raster::kSize; ++x) {
            if (raster().pixel(x, 3) == editor::kLimitGreen) {
                if (found >= 0) {
                    return -1;
                }
                found = x;
            }
        }
        return found;
    }

    // Expects exactly one error box and forgets it.
    void expectMessage(const QString& title, const QString& start) {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].first, title);
        EXPECT_TRUE(messages[0].second.startsWith(start)) << messages[0].second.toStdString();
        messages.clear();
    }

    WindowTables tables() { return WindowTables(window.editor()); }

    frmFont window;
    std::vector<std::pair<QString, QString>> messages;
    // Questions the window asked, and the answer each one gets.
    QStringList questions;
    QMessageBox::StandardButton answer = QMessageBox::No;
    // Result boxes shown, the file the file chooser answers with (empty: cancelled) and where it started.
    std::vector<std::pair<QString, QString>> reports;
    QString chosenFile;
    QStringList chooserStarts;
};

}  // namespace ledfont::ui
