#pragma once

#include <QLabel>
#include <QScrollArea>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "font/FontTables.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace ledfont::compose {
class Image;
}
namespace ledfont::import {
class SourceDrawing;
}

namespace ledfont::ui {

// The font as a view shows it: the tables with the glyph on the canvas in place of its stored record.
using FontSource = std::function<FontTables()>;

// A picture made by the composer, as a Qt image.
QImage toQImage(const compose::Image& image);

// View > Text Preview: a line of text composed as the sign shows it, at the sign's width, with what the font
// lacks listed, and, when a source font is chosen, that font's own drawing of the text under the strip at
// the size where its क is the font's. It composes again whenever the text changes or refresh() is called.
class PreviewWindow : public QWidget {
    Q_OBJECT

  public:
    explicit PreviewWindow(FontSource font, QWidget* parent = nullptr);
    ~PreviewWindow() override;
    void refresh();

  private:
    // The chosen source fitted to the font's क, made anew only when either changes; null for none.
    const import::SourceDrawing* sourceFor(const Glyph& ka);

    FontSource font_;
    QLineEdit* text_ = nullptr;
    QSpinBox* panels_ = nullptr;
    QComboBox* source_ = nullptr;
    std::unique_ptr<import::SourceDrawing> drawing_;
    std::string drawingFamily_;
    Glyph drawingKa_;
    QLabel* strip_ = nullptr;
    QListWidget* missing_ = nullptr;
};

// View > Font Overview: every glyph as the sheet draws it; a click on a glyph asks for it.
class OverviewWindow : public QScrollArea {
    Q_OBJECT

  public:
    explicit OverviewWindow(FontSource font, QWidget* parent = nullptr);
    void refresh();

  signals:
    void glyphClicked(int glyph);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    FontSource font_;
    QLabel* sheet_ = nullptr;
    FontKind kind_ = FontKind::Hindi;
};

}  // namespace ledfont::ui
