#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QString>
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

// A shown window whose error messages are collected instead of popping up.
class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        window.setErrorSink(
            [this](const QString& title, const QString& text) { messages.emplace_back(title, text); });
        window.show();
    }

    template <typename T>
    T* control(const char* name) {
        auto* widget = window.findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            ADD_FAILURE() << "no control " << name;
        }
        return widget;
    }
    QComboBox* combo(const char* name) { return control<QComboBox>(name); }
    CanvasWidget* pic() { return control<CanvasWidget>("pic"); }
    const editor::Raster& raster() { return pic()->raster(); }

    bool lit(int column, int row) { return raster().pixel(10 * column + 5, 10 * row + 5) != editor::kBlack; }
    int litCount() {
        int count = 0;
        for (int c = 0; c < 16; ++c) {
            for (int r = 0; r < 16; ++r) {
                count += lit(c, r) ? 1 : 0;
            }
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

    FontTables& tables() { return window.tables(); }

    frmFont window;
    std::vector<std::pair<QString, QString>> messages;
};

}  // namespace ledfont::ui
