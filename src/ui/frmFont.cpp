#include "ui/frmFont.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHash>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <exception>
#include <vector>

#include "editor/GlyphTransfer.h"
#include "editor/LedCanvas.h"
#include "font/TextToByte.h"
#include "ui/CanvasWidget.h"
#include "ui/ControlFactory.h"
#include "ui/FileSelector.h"
#include "ui/Layout.h"
#include "ui/ListCombo.h"
#include "ui/QtConvert.h"
#include "ui/WindowIcon.h"

namespace ledfont::ui {

namespace {

template <typename T>
T* child(const QWidget* window, const QString& name) {
    auto* widget = window->findChild<T*>(name);
    Q_ASSERT_X(widget != nullptr, "frmFont", qPrintable(name));
    return widget;
}

}  // namespace

frmFont::frmFont(QWidget* parent) : QWidget(parent) {
    errorSink_ = [this](const QString& title, const QString& text) {
        QMessageBox::critical(this, title, text);
    };
    questionSink_ = [this](const QString& title, const QString& text, QMessageBox::StandardButtons buttons,
                           QMessageBox::StandardButton defaultButton) {
        return QMessageBox::question(this, title, text, buttons, defaultButton);
    };
    reportSink_ = [this](const QString& title, const QString& text) {
        QMessageBox::information(this, title, text);
    };
    fileChooser_ = [this](const QString& title, const QString& start) {
        return QFileDialog::getOpenFileName(this, title, start);
    };
    saveChooser_ = [this](const QString& title, const QString& start) {
        return QFileDialog::getSaveFileName(this, title, start);
    };
    textAsker_ = [this](const QString& title, const QString& label) {
        return QInputDialog::getText(this, title, label);
    };
    importChooser_ = [this](FontKind kind) -> std::optional<ImportChoice> {
        ImportDialog dialog(kind, this);
        while (dialog.exec() == QDialog::Accepted) {
            if (auto chosen = dialog.choice()) {
                return chosen;
            }
            errorSink_(QStringLiteral("Import Glyphs"),
                       QStringLiteral("Give the glyphs as numbers and ranges such as 0x15-0x39,0x80."));
        }
        return std::nullopt;
    };
    setWindowTitle(QStringLiteral("LED Font Editor"));
    setWindowIcon(informationIcon());
    createControls();
    applyInitialProperties();
    bindControls();
    createActions();
    connectHandlers();
    orderTabs();
    startUp();
    fitToFont();
}

frmFont::~frmFont() = default;

void frmFont::createControls() {
    QHash<QString, QWidget*> containers{{QString(), this}};
    for (const ControlRow& row : windowLayout()) {
        QWidget* widget = createControl(row, containers.value(QString::fromLatin1(row.container)), scale_);
        containers.insert(widget->objectName(), widget);
    }
}

void frmFont::applyInitialProperties() {
    child<QWidget>(this, "FrameJ")->hide();
    child<QWidget>(this, "Command1")->hide();
    child<QWidget>(this, "cmdSave")->setEnabled(false);
    // Nothing makes a new font; the button stays as a disabled reminder.
    child<QWidget>(this, "cmdNew")->setEnabled(false);
    child<QRadioButton>(this, "optConst")->setChecked(true);
    child<QRadioButton>(this, "optHindi")->setChecked(true);
    // The conjunct texts show the byte; only the list beside each changes it.
    child<QWidget>(this, "txtJukta_0")->setEnabled(false);
    child<QWidget>(this, "txtJukta_1")->setEnabled(false);
}

void frmFont::bindControls() {
    pic = child<CanvasWidget>(this, "pic");
    shpCentre = child<QWidget>(this, "shpCentre");
    pic->setMarker(shpCentre);
    cmbCols = child<ListCombo>(this, "cmbCols");
    cmbCentre = child<ListCombo>(this, "cmbCentre");
    optKind = {child<QRadioButton>(this, "optConst"), child<QRadioButton>(this, "optVowel"),
               child<QRadioButton>(this, "optIkaar")};
    lblLoc = child<QLabel>(this, "lblLoc");
    cmdShowDec = child<QPushButton>(this, "cmdShowDec");
    cmdShowInc = child<QPushButton>(this, "cmdShowInc");
    FrameJ = child<QWidget>(this, "FrameJ");
    optJukta = child<QRadioButton>(this, "optJukta");
    optHindi = child<QRadioButton>(this, "optHindi");
    cmdLoad = child<QPushButton>(this, "cmdLoad");
    cmdSave = child<QPushButton>(this, "cmdSave");
    cmdConvertToHex = child<QPushButton>(this, "cmdConvertToHex");
    Command1 = child<QPushButton>(this, "Command1");
    for (int k = 0; k < kPairBytes; ++k) {
        cmbJuk[static_cast<std::size_t>(k)] = child<ListCombo>(this, QStringLiteral("cmbJuk_%1").arg(k));
        txtJukta[static_cast<std::size_t>(k)] = child<QLineEdit>(this, QStringLiteral("txtJukta_%1").arg(k));
    }
}

void frmFont::connectHandlers() {
    connect(pic, &CanvasWidget::mouseDown, this, &frmFont::pic_MouseDown);
    connect(pic, &CanvasWidget::mouseMove, this, &frmFont::pic_MouseMove);
    connect(pic, &CanvasWidget::mouseUp, this, &frmFont::pic_MouseUp);
    // `clicked` comes only from the user.
    for (int kind = 0; kind < 3; ++kind) {
        connect(optKind[static_cast<std::size_t>(kind)], &QRadioButton::clicked, this,
                [this, kind] { editor_.setKind(kind); });
    }
    connect(cmbCols, &ListCombo::click, this, &frmFont::cmbCols_Click);
    connect(cmbCentre, &ListCombo::click, this, &frmFont::cmbCentre_Click);
    for (int k = 0; k < kPairBytes; ++k) {
        connect(cmbJuk[static_cast<std::size_t>(k)], &ListCombo::click, this, [this, k] { cmbJuk_Click(k); });
        // The boxes take no typing; text written there other than by render() is still what is stored.
        connect(txtJukta[static_cast<std::size_t>(k)], &QLineEdit::textChanged, this,
                [this, k](const QString& text) {
                    if (!rendering_) {
                        editor_.setPairText(k, toStdString(text));
                    }
                });
    }
    connect(cmdShowDec, &QPushButton::clicked, this, &frmFont::cmdShowDec_Click);
    connect(cmdShowInc, &QPushButton::clicked, this, &frmFont::cmdShowInc_Click);
    connect(cmdLoad, &QPushButton::clicked, this, &frmFont::cmdLoad_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmFont::cmdSave_Click);
    connect(cmdConvertToHex, &QPushButton::clicked, this, &frmFont::cmdConvertToHex_Click);
    connect(Command1, &QPushButton::clicked, this, &frmFont::Command1_Click);
    // Paste Glyph follows what other programs put on the clipboard (a glyph copied in a terminal).
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &frmFont::updateActions);
}

void frmFont::orderTabs() {
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : windowLayout()) {
        if (row.tabIndex != kNoTabStop) {
            rows.push_back(&row);
        }
    }
    std::ranges::sort(rows, {}, &ControlRow::tabIndex);
    QWidget* previous = nullptr;
    for (const ControlRow* row : rows) {
        auto* widget = child<QWidget>(this, QString::fromLatin1(row->name));
        if (widget->focusPolicy() == Qt::NoFocus) {
            continue;  // frames and labels hold a place in the order but take no focus
        }
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void frmFont::startUp() {
    // The canvas view draws the start-up grid with the lists' first choices; the controls follow it.
    canvasView_ = std::make_unique<editor::CanvasView>(editor_, *pic);
    editor_.addListener([this](editor::GlyphEditor::Change change) { render(change); });
    for (int width = 1; width <= 16; ++width) {
        cmbCols->addItem(QString::number(width));
    }
    for (int centre = 1; centre <= 15; ++centre) {
        cmbCentre->addItem(QString::number(centre));
    }
    for (int i = 0; i < editor::kConjunctEntries; ++i) {
        QString text = toQString(byteToHexText(static_cast<std::uint8_t>(i)));
        cmbJuk[0]->addItem(text);
        cmbJuk[1]->addItem(text);
    }
    render(editor::GlyphEditor::Change::Shown);
    startFileSelector();
}

void frmFont::startFileSelector() {
    // The selector sets the label itself and hands the chosen path to the tables; it lives as long as the
    // window, which owns it as a child.
    fileSelector_ = new FileSelector(
        *child<DriveListBox>(this, "Drive1"), *child<DirListBox>(this, "Dir1"),
        *child<FileListBox>(this, "File1"), *child<QLabel>(this, "lblFile"),
        [this](const std::string& fontFile) { editor_.setFontFile(fontFile); },
        [this](const QString& title, const QString& text) { errorSink_(title, text); }, this);
}

void frmFont::fitToFont() {
    // Lists are filled by now, so their entries count too. Each step grows the window by 3 %; a caption
    // too tall for its control only grows that control (placeControl).
    auto fits = [this](const TwipsScale& scale) {
        return std::ranges::all_of(windowLayout(), [&](const ControlRow& row) {
            return captionWidthFits(child<QWidget>(this, QString::fromLatin1(row.name)), row, scale);
        });
    };
    double twipsPerPixel = kTwipsPerPixel;
    for (int step = 0; step < 50 && !fits(TwipsScale(twipsPerPixel)); ++step) {
        twipsPerPixel *= 0.97;
    }
    scale_ = TwipsScale(twipsPerPixel);
    for (const ControlRow& row : windowLayout()) {
        placeControl(child<QWidget>(this, QString::fromLatin1(row.name)), row, scale_);
    }
    pic->setScale(scale_);
    setFixedSize(scale_.toPixels(kClientWidth), scale_.toPixels(kClientHeight));
}

bool frmFont::runReported(const QString& title, const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const std::exception& error) {
        errorSink_(title, QString::fromUtf8(error.what()));
        return false;
    }
}

}  // namespace ledfont::ui
