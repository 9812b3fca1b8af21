#pragma once

#include <QDialog>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

#include "font/FontTables.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace ledfont::ui {

// What File > Import Glyphs... was told: a source file or an installed family, the pixel size for an
// outline font (0: the largest that fits), and which glyphs.
struct ImportChoice {
    QString file;  // empty when a family is chosen
    QString family;
    int pixelSize = 0;
    std::vector<std::pair<int, int>> ranges;  // none: every glyph
    bool onlyEmpty = false;
};

// Asks for an import and shows a few glyphs of the source as they would come in, before anything changes.
class ImportDialog : public QDialog {
    Q_OBJECT

  public:
    ImportDialog(FontKind kind, QWidget* parent = nullptr);

    // The choice as it stands, or nothing while the glyph range does not read.
    std::optional<ImportChoice> choice() const;

  private:
    void browse();
    void updatePreview();

    FontKind kind_;
    QRadioButton* fromFile_ = nullptr;
    QLineEdit* file_ = nullptr;
    QRadioButton* fromFamily_ = nullptr;
    QComboBox* family_ = nullptr;
    QSpinBox* size_ = nullptr;
    QLineEdit* glyphs_ = nullptr;
    QCheckBox* onlyEmpty_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace ledfont::ui
