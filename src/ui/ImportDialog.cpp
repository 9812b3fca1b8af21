#include "ui/ImportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <exception>

#include "import/GlyphImport.h"
#include "import/OutlineFont.h"
#include "import/SourceFile.h"
#include "ui/QtConvert.h"

namespace ledfont::ui {

namespace {

// The glyphs shown before importing: KA, the sign I (an Ikaar), the sign U (a vowel sign) and, in a
// Jukta512 font, KSSA, a conjunct with no code point of its own.
struct Sample {
    int glyph;
    std::array<std::uint8_t, kPairBytes> pair;
};
constexpr Sample kSamples[] = {{0x15, {}}, {0x3F, {}}, {0x41, {}}, {0x38, {}}, {128, {0x15, 0x37}}};

constexpr int kLed = 5;  // pixels per LED in the preview

}  // namespace

ImportDialog::ImportDialog(FontKind kind, QWidget* parent) : QDialog(parent), kind_(kind) {
    setWindowTitle(QStringLiteral("Import Glyphs"));
    setObjectName(QStringLiteral("dlgImportGlyphs"));
    auto* form = new QFormLayout(this);

    fromFile_ = new QRadioButton(QStringLiteral("&File:"));
    file_ = new QLineEdit;
    file_->setObjectName(QStringLiteral("txtImportFile"));
    auto* browse = new QPushButton(QStringLiteral("&Browse..."));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_);
    fileRow->addWidget(browse);
    form->addRow(fromFile_, fileRow);

    fromFamily_ = new QRadioButton(QStringLiteral("&Installed font:"));
    family_ = new QComboBox;
    family_->setObjectName(QStringLiteral("cmbImportFamily"));
    family_->setEditable(true);
    for (const std::string& name : import::devanagariFamilies()) {
        family_->addItem(toQString(name));
    }
    form->addRow(fromFamily_, family_);
    fromFamily_->setEnabled(import::outlineFontsAvailable());
    (family_->count() > 0 ? fromFamily_ : fromFile_)->setChecked(true);

    size_ = new QSpinBox;
    size_->setObjectName(QStringLiteral("spnImportSize"));
    size_->setRange(0, 64);
    size_->setSpecialValueText(QStringLiteral("largest that fits"));
    form->addRow(QStringLiteral("&Size (pixels, outline fonts):"), size_);

    glyphs_ = new QLineEdit;
    glyphs_->setObjectName(QStringLiteral("txtImportGlyphs"));
    glyphs_->setPlaceholderText(QStringLiteral("all, or e.g. 0x15-0x39,0x80-0xFF"));
    form->addRow(QStringLiteral("&Glyphs:"), glyphs_);
    onlyEmpty_ = new QCheckBox(QStringLiteral("Only glyphs that are &empty"));
    form->addRow(QString(), onlyEmpty_);

    preview_ = new QLabel;
    preview_->setObjectName(QStringLiteral("lblImportPreview"));
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("lblImportStatus"));
    status_->setWordWrap(true);
    form->addRow(preview_);
    form->addRow(status_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Import"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, &ImportDialog::browse);
    for (QRadioButton* option : {fromFile_, fromFamily_}) {
        connect(option, &QRadioButton::toggled, this, &ImportDialog::updatePreview);
    }
    connect(file_, &QLineEdit::editingFinished, this, &ImportDialog::updatePreview);
    connect(family_, &QComboBox::currentTextChanged, this, &ImportDialog::updatePreview);
    connect(size_, &QSpinBox::valueChanged, this, &ImportDialog::updatePreview);
    updatePreview();
}

std::optional<ImportChoice> ImportDialog::choice() const {
    ImportChoice chosen;
    if (fromFile_->isChecked()) {
        chosen.file = file_->text();
    } else {
        chosen.family = family_->currentText();
    }
    chosen.pixelSize = size_->value();
    chosen.onlyEmpty = onlyEmpty_->isChecked();
    if (const QString text = glyphs_->text().trimmed(); !text.isEmpty()) {
        auto ranges = import::glyphRanges(toStdString(text));
        if (!ranges) {
            return std::nullopt;
        }
        chosen.ranges = *ranges;
    }
    return chosen;
}

void ImportDialog::browse() {
    const QString chosen =
        QFileDialog::getOpenFileName(this, QStringLiteral("Import Glyphs From"), file_->text(),
                                     QStringLiteral("Fonts (*.hex *.bdf *.ttf *.otf *.ttc);;All files (*)"));
    if (!chosen.isEmpty()) {
        file_->setText(chosen);
        fromFile_->setChecked(true);
        updatePreview();
    }
}

void ImportDialog::updatePreview() {
    const bool file = fromFile_->isChecked();
    if ((file && file_->text().isEmpty()) || (!file && family_->currentText().isEmpty())) {
        preview_->clear();
        status_->setText(
            QStringLiteral("Choose a Unifont .hex file, a BDF font, an outline font or an installed "
                           "Devanagari font."));
        return;
    }
    try {
        const import::OpenedSource opened =
            file ? import::openSourceFile(toStdString(file_->text()), size_->value())
                 : import::openSystemFont(toStdString(family_->currentText()), size_->value());
        const int count = kind_ == FontKind::Jukta512 ? 5 : 4;
        QImage image(count * (kGlyphColumns + 2) * kLed, kGlyphRows * kLed, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < count; ++i) {
            const Sample& sample = kSamples[i];
            const auto ink = opened.source->image(import::glyphText(sample.glyph, sample.pair));
            if (!ink) {
                continue;
            }
            const Glyph glyph = import::glyphFromImage(*ink, sample.glyph, sample.pair);
            for (int c = 0; c < kGlyphColumns; ++c) {
                for (int r = 0; r < kGlyphRows; ++r) {
                    painter.setBrush(glyph.lit(c, r) ? QColor(255, 40, 40) : QColor(48, 16, 16));
                    painter.drawEllipse((i * (kGlyphColumns + 2) + c) * kLed, r * kLed, kLed - 1, kLed - 1);
                }
            }
        }
        painter.end();
        preview_->setPixmap(QPixmap::fromImage(image));
        status_->setText(opened.pixelSize > 0 ? QStringLiteral("Rendered at %1 pixels.").arg(opened.pixelSize)
                                              : QStringLiteral("A bitmap font: its pixels become the LEDs."));
    } catch (const std::exception& error) {
        preview_->clear();
        status_->setText(QString::fromUtf8(error.what()));
    }
}

}  // namespace ledfont::ui
