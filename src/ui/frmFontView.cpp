#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

#include "font/GlyphCode.h"
#include "ui/CanvasWidget.h"
#include "ui/ComposeViews.h"
#include "ui/ListCombo.h"
#include "ui/QtConvert.h"
#include "ui/frmFont.h"

// Showing the editor: the controls filled from its state, the actions enabled by what it can do.
namespace ledfont::ui {

namespace {

const QString kWindowTitle = QStringLiteral("LED Font Editor");

// Selects without the list's click, which is the user's choice only.
void showIndex(ListCombo* list, int index) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index);
}

// A control's caption as the layout gives it.
QString layoutCaption(const char* name) {
    const auto rows = windowLayout();
    const auto row =
        std::ranges::find_if(rows, [&](const ControlRow& r) { return qstrcmp(r.name, name) == 0; });
    return row == rows.end() ? QString() : QString::fromLatin1(row->caption);
}

}  // namespace

void frmFont::render(editor::GlyphEditor::Change change) {
    if (change == editor::GlyphEditor::Change::Shown || change == editor::GlyphEditor::Change::Draft) {
        renderGlyph();
    }
    FrameJ->setVisible(editor_.font().JuktaMode);
    cmdSave->setEnabled(!documentFile().empty());
    updateActions();
}

void frmFont::renderGlyph() {
    const editor::ShownGlyph& shown = editor_.shown();
    rendering_ = true;
    showIndex(cmbCols, shown.draft.width - 1);
    showIndex(cmbCentre, shown.draft.centre - 1);
    optKind.at(static_cast<std::size_t>(shown.draft.kindNumber()))->setChecked(true);
    for (std::size_t k = 0; k < kPairBytes; ++k) {
        txtJukta[k]->setText(toQString(shown.pairText[k]));
        showIndex(cmbJuk[k], shown.pairEntry[k]);
    }
    rendering_ = false;
    lblLoc->setText(shown.fromFont ? toQString(glyphCode(editor_.kind(), shown.glyph))
                                   : layoutCaption("lblLoc"));
    setWindowTitle(shown.caption ? QString::number(*shown.caption) : kWindowTitle);
}

void frmFont::updateActions() {
    if (actions_.isEmpty()) {
        return;  // still being built
    }
    const bool loaded = !documentFile().empty();
    const std::string& fontFile = editor_.document().fontFile();
    const auto enable = [this](const char* name, bool on) {
        actions_.value(QString::fromLatin1(name))->setEnabled(on);
    };
    enable("actSave", cmdSave->isEnabled() && !fontFile.empty());
    enable("actSaveAs", loaded);
    enable("actImportGlyphs", loaded);
    enable("actMakeHex", !fontFile.empty());
    enable("actVerifyHex", loaded);
    enable("actExport", loaded);
    enable("actUndo", editor_.canUndo());
    enable("actRedo", editor_.canRedo());
    // The commands name the step they would take: "Undo Paint".
    const auto label = [](const QString& command, const std::string& step) {
        return step.empty() ? command : command + QLatin1Char(' ') + toQString(step);
    };
    actions_.value(QStringLiteral("actUndo"))->setText(label(QStringLiteral("&Undo"), editor_.undoLabel()));
    actions_.value(QStringLiteral("actRedo"))->setText(label(QStringLiteral("&Redo"), editor_.redoLabel()));
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    enable("actPasteGlyph",
           clipboard != nullptr && (clipboard->hasText() || clipboard->hasFormat(kGlyphMime)));
    for (const editor::ToolCommand& tool : editor::toolCommands()) {
        enable(tool.name, editor_.toolChanges(tool.tool));
    }
    enable("actPreviousGlyph", editor_.canGoPrevious());
    enable("actNextGlyph", editor_.canGoNext());
    updateUnderlay();
    if (preview_ != nullptr && preview_->isVisible()) {
        preview_->refresh();
    }
}

void frmFont::updateUnderlay() {
    std::array<std::uint16_t, kGlyphColumns> cells{};
    const Glyph& draft = editor_.draft();
    const bool matra = draft.kind == GlyphKind::Vowel || draft.kind == GlyphKind::Ikaar;
    if (underlay_ && matra) {
        // A vowel sign is placed with its centre column on the consonant's; an Ikaar stands before the
        // consonant, which then begins after the Ikaar's width.
        // A conjunct chosen in a Jukta512 font is no glyph of a Hindi font loaded since.
        const int glyph = underlayGlyph_ < glyphCount(editor_.kind()) ? underlayGlyph_ : kUnderlayGlyph;
        const Glyph base = recordAt(editor_.font().FontData, glyph);
        const int offset = draft.kind == GlyphKind::Ikaar ? draft.width : draft.centre - base.centre;
        for (int c = 0; c < kGlyphColumns; ++c) {
            const int to = c + offset;
            if (to >= 0 && to < kGlyphColumns) {
                cells[static_cast<std::size_t>(to)] = base.columns[static_cast<std::size_t>(c)];
            }
        }
    }
    pic->setUnderlay(cells);
}

}  // namespace ledfont::ui
