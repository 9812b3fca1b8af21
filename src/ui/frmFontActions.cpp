#include <QAction>

#include "editor/GlyphTools.h"
#include "ui/ComposeViews.h"
#include "ui/FileSelector.h"
#include "ui/QtConvert.h"
#include "ui/frmFont.h"

// The menu bar's actions: created here with their names and shortcuts, and enabled exactly when they
// can do something. They live with the state they act on; the top-level window only shows them.
namespace ledfont::ui {

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
    addAction("actVerifyHex", QStringLiteral("&Verify HEX File..."), {},
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
    for (const editor::ToolCommand& tool : editor::toolCommands()) {
        QList<K> keys;
        if (*tool.shortcut != '\0') {
            keys << K::fromString(QString::fromLatin1(tool.shortcut), K::PortableText);
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

void frmFont::actOpenFont_Triggered() {
    // Asked before the file is chosen, as the file list's click is part of opening.
    if (!settleUnsavedWork()) {
        return;
    }
    const QString chosen =
        fileChooser_(QStringLiteral("Open Font"), toQString(editor_.document().fontFile()));
    if (chosen.isEmpty()) {
        return;
    }
    if (!fileSelector_->selectFile(chosen)) {
        errorSink_(QStringLiteral("Error Loading File"), QStringLiteral("File not found: %1").arg(chosen));
        return;
    }
    loadChosenFont();
}

void frmFont::actSaveAs_Triggered() {
    if (documentFile().empty()) {
        return;
    }
    const QString chosen = saveChooser_(QStringLiteral("Save As"), toQString(documentFile()));
    if (chosen.isEmpty()) {
        return;
    }
    if (!runReported(QStringLiteral("Error!"), [this] { editor_.store(editor_.glyph()); })) {
        return;
    }
    const std::string target = toStdString(chosen);
    if (saveFontTo(target)) {
        // The copy is the document now; the lists show it as if it had been clicked.
        fileSelector_->selectFile(chosen);
        editor_.setFontFile(target);
    }
}

void frmFont::actPreview_Triggered() {
    if (preview_ == nullptr) {
        preview_ = new PreviewWindow([this] { return editor_.fontWithDraft(); }, this);
    }
    preview_->refresh();
    preview_->show();
    preview_->raise();
}

void frmFont::actOverview_Triggered() {
    if (overview_ == nullptr) {
        overview_ = new OverviewWindow([this] { return editor_.font(); }, this);
        connect(overview_, &OverviewWindow::glyphClicked, this, [this](int glyph) { goToGlyph(glyph); });
        // The sheet shows the glyphs as stored, so it follows every store and load.
        editor_.addFontListener([this](int) {
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
