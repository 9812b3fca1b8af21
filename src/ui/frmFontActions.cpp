#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>

#include "editor/GlyphTools.h"
#include "ui/CanvasWidget.h"
#include "ui/ComposeViews.h"
#include "ui/FileSelector.h"
#include "ui/ListCombo.h"
#include "ui/QtConvert.h"
#include "ui/frmFont.h"

// The menu bar's actions: created here with their names and shortcuts, and enabled exactly when they
// can do something. They live with the state they act on; the top-level window only shows them.
namespace ledfont::ui {

namespace {

struct ToolAction {
    const char* name;
    const char* text;
    editor::GlyphTool tool;
    QKeySequence key;
};

const ToolAction kTools[] = {
    {"actClearGlyph", "C&lear", editor::GlyphTool::Clear, {}},
    {"actFillGlyph", "&Fill", editor::GlyphTool::Fill, {}},
    {"actInvertGlyph", "&Invert", editor::GlyphTool::Invert, {}},
    {"actShiftLeft", "Shift &Left", editor::GlyphTool::ShiftLeft, QKeySequence(Qt::ALT | Qt::Key_Left)},
    {"actShiftRight", "Shift &Right", editor::GlyphTool::ShiftRight, QKeySequence(Qt::ALT | Qt::Key_Right)},
    {"actShiftUp", "Shift &Up", editor::GlyphTool::ShiftUp, QKeySequence(Qt::ALT | Qt::Key_Up)},
    {"actShiftDown", "Shift &Down", editor::GlyphTool::ShiftDown, QKeySequence(Qt::ALT | Qt::Key_Down)},
    {"actFlipHorizontal", "Flip &Horizontally", editor::GlyphTool::FlipHorizontal, {}},
    {"actFlipVertical", "Flip &Vertically", editor::GlyphTool::FlipVertical, {}},
};

}  // namespace

QAction* frmFont::addAction(const char* name, const QString& text, const QList<QKeySequence>& keys,
                            const std::function<void()>& handler) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    // The window holds every action too, so the shortcuts work with or without a menu bar around it.
    QWidget::addAction(action);
    connect(action, &QAction::triggered, this, handler);
    actions_.insert(action->objectName(), action);
    return action;
}

void frmFont::createActions() {
    using K = QKeySequence;
    addAction("actOpenFont", QStringLiteral("&Open Font..."), {K::Open}, [this] { actOpenFont_Triggered(); });
    addAction("actSave", QStringLiteral("&Save"), {K(Qt::CTRL | Qt::Key_S)}, [this] { cmdSave_Click(); });
    addAction("actSaveAs", QStringLiteral("Save &As..."), {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
              [this] { actSaveAs_Triggered(); });
    addAction("actImportGlyphs", QStringLiteral("&Import Glyphs..."), {},
              [this] { actImportGlyphs_Triggered(); });
    addAction("actMakeHex", QStringLiteral("Make &HEX File"), {K(Qt::CTRL | Qt::Key_E)},
              [this] { cmdConvertToHex_Click(); });
    actVerifyHex = addAction("actVerifyHex", QStringLiteral("&Verify HEX File..."), {},
                             [this] { actVerifyHex_Triggered(); });
    addAction("actExport", QStringLiteral("&Export for Firmware..."), {}, [this] { actExport_Triggered(); });
    addAction("actQuit", QStringLiteral("&Quit"), {K(Qt::CTRL | Qt::Key_Q)}, [this] { window()->close(); });

    addAction("actUndo", QStringLiteral("&Undo"), {K(Qt::CTRL | Qt::Key_Z)}, [this] { actUndo_Triggered(); });
    addAction("actRedo", QStringLiteral("&Redo"),
              {K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), K(Qt::CTRL | Qt::Key_Y)},
              [this] { actRedo_Triggered(); });
    addAction("actCopyGlyph", QStringLiteral("&Copy Glyph"), {K(Qt::CTRL | Qt::Key_C)},
              [this] { actCopyGlyph_Triggered(); });
    addAction("actPasteGlyph", QStringLiteral("&Paste Glyph"), {K(Qt::CTRL | Qt::Key_V)},
              [this] { actPasteGlyph_Triggered(); });
    for (const ToolAction& tool : kTools) {
        QList<K> keys;
        if (!tool.key.isEmpty()) {
            keys << tool.key;
        }
        addAction(tool.name, QString::fromLatin1(tool.text), keys, [this, &tool] { applyTool(tool.tool); });
    }

    addAction("actPreviousGlyph", QStringLiteral("&Previous Glyph"), {K(Qt::Key_PageUp)},
              [this] { cmdShowDec_Click(); });
    addAction("actNextGlyph", QStringLiteral("&Next Glyph"), {K(Qt::Key_PageDown)},
              [this] { cmdShowInc_Click(); });
    addAction("actGoToGlyph", QStringLiteral("&Go to Glyph..."), {K(Qt::CTRL | Qt::Key_G)},
              [this] { actGoToGlyph_Triggered(); });

    addAction("actPreview", QStringLiteral("Text &Preview"), {K(Qt::Key_F3)},
              [this] { actPreview_Triggered(); });
    addAction("actOverview", QStringLiteral("Font &Overview"), {K(Qt::Key_F2)},
              [this] { actOverview_Triggered(); });
    QAction* underlay = addAction("actUnderlay", QStringLiteral("Consonant &Underlay"), {}, [] {});
    underlay->setCheckable(true);
    connect(underlay, &QAction::toggled, this, &frmFont::actUnderlay_Toggled);
    addAction("actUnderlayConsonant", QStringLiteral("Underlay &Consonant..."), {},
              [this] { actUnderlayConsonant_Triggered(); });
    updateActions();
}

void frmFont::updateActions() {
    if (actions_.isEmpty() || canvas_ == nullptr) {
        return;  // still being built
    }
    const bool loaded = !documentFile().empty();
    const auto enable = [this](const char* name, bool on) {
        actions_.value(QString::fromLatin1(name))->setEnabled(on);
    };
    enable("actSave", cmdSave->isEnabled() && !font().FontFile.empty());
    enable("actSaveAs", loaded);
    enable("actImportGlyphs", loaded);
    enable("actMakeHex", !font().FontFile.empty());
    enable("actVerifyHex", loaded);
    enable("actExport", loaded);
    enable("actUndo", history_.canUndo());
    enable("actRedo", history_.canRedo());
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    enable("actPasteGlyph",
           clipboard != nullptr && (clipboard->hasText() || clipboard->hasFormat(kGlyphMime)));
    const int width = cmbCols->listIndex() + 1;
    for (const ToolAction& tool : kTools) {
        enable(tool.name, editor::applyTool(tool.tool, canvas_->draft(), width) != canvas_->draft());
    }
    enable("actPreviousGlyph", editor::previousGlyph(session_.CurChar) != session_.CurChar);
    enable("actNextGlyph", editor::nextGlyph(session_.CurChar, font().JuktaMode) != session_.CurChar);
    updateUnderlay();
    if (preview_ != nullptr && preview_->isVisible()) {
        preview_->refresh();
    }
}

void frmFont::actOpenFont_Triggered() {
    const QString chosen = fileChooser_(QStringLiteral("Open Font"), toQString(font().FontFile));
    if (chosen.isEmpty()) {
        return;
    }
    if (!fileSelector_->selectFile(chosen)) {
        errorSink_(QStringLiteral("Error Loading File"), QStringLiteral("File not found: %1").arg(chosen));
        return;
    }
    cmdLoad_Click();
}

void frmFont::actSaveAs_Triggered() {
    if (documentFile().empty()) {
        return;
    }
    const QString chosen = saveChooser_(QStringLiteral("Save As"), toQString(documentFile()));
    if (chosen.isEmpty()) {
        return;
    }
    if (!runReported(QStringLiteral("Error!"), [this] { SaveCharacter(session_.CurChar); })) {
        return;
    }
    const std::string target = toStdString(chosen);
    if (saveFontTo(target)) {
        // The copy is the document now; the lists show it as if it had been clicked.
        fileSelector_->selectFile(chosen);
        session_.document.setFontFile(target);
    }
    checkpoint();
}

void frmFont::actUnderlay_Toggled(bool on) {
    underlay_ = on;
    updateUnderlay();
}

void frmFont::actUnderlayConsonant_Triggered() {
    const auto glyph = askGlyph(
        QStringLiteral("Underlay Consonant"),
        QStringLiteral("Glyph drawn under matras: index (22 or 0x16), code (Code: 0916) or letter:"));
    if (!glyph) {
        return;
    }
    underlayGlyph_ = *glyph;
    // Choosing a consonant to see is choosing to see it.
    actions_.value(QStringLiteral("actUnderlay"))->setChecked(true);
    updateUnderlay();
}

void frmFont::updateUnderlay() {
    std::array<std::uint16_t, kGlyphColumns> cells{};
    const bool matra = optVowel->isChecked() || optIkaar->isChecked();
    if (underlay_ && matra) {
        // A vowel sign is placed with its centre column on the consonant's; an Ikaar stands before the
        // consonant, which then begins after the Ikaar's width.
        // A conjunct chosen in a Jukta512 font is no glyph of a Hindi font loaded since.
        const int glyph =
            underlayGlyph_ < glyphCount(kindOf(font().JuktaMode)) ? underlayGlyph_ : kUnderlayGlyph;
        const Glyph base = recordAt(font().FontData, glyph);
        const int offset =
            optIkaar->isChecked() ? cmbCols->listIndex() + 1 : cmbCentre->listIndex() + 1 - base.centre;
        for (int c = 0; c < kGlyphColumns; ++c) {
            const int to = c + offset;
            if (to >= 0 && to < kGlyphColumns) {
                cells[static_cast<std::size_t>(to)] = base.columns[static_cast<std::size_t>(c)];
            }
        }
    }
    pic->setUnderlay(cells);
}

FontTables frmFont::fontWithCanvas() const {
    FontTables tables = font();
    CharMapArray map;
    try {
        const editor::GlyphRecord record = recordFromControls(map);
        setGlyph(tables, session_.CurChar,
                 Glyph::decode(record.bytes, record.pair.value_or(std::array<std::uint8_t, kPairBytes>{})),
                 record.pair.has_value());
    } catch (const std::exception&) {
        // what the controls hold cannot be stored; the stored record stands
    }
    return tables;
}

void frmFont::actPreview_Triggered() {
    if (preview_ == nullptr) {
        preview_ = new PreviewWindow([this] { return fontWithCanvas(); }, this);
    }
    preview_->refresh();
    preview_->show();
    preview_->raise();
}

void frmFont::actOverview_Triggered() {
    if (overview_ == nullptr) {
        overview_ = new OverviewWindow([this] { return font(); }, this);
        connect(overview_, &OverviewWindow::glyphClicked, this, [this](int glyph) { goToGlyph(glyph); });
        // The sheet shows the glyphs as stored, so it follows every store and load.
        session_.document.addListener([this](int) {
            if (overview_->isVisible()) {
                overview_->refresh();
            }
        });
    }
    overview_->refresh();
    overview_->show();
    overview_->raise();
}

}  // namespace ledfont::ui
