#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "editor/GlyphTransfer.h"
#include "editor/LedCanvas.h"
#include "font/GlyphCode.h"
#include "ui/ListCombo.h"
#include "ui/QtConvert.h"
#include "ui/frmFont.h"

// Moving one glyph between the tables and the editing controls, and stepping through the font.
namespace ledfont::ui {

void frmFont::LoadCharacter(int Index) {
    const editor::GlyphView view = editor::glyphView(tables_.FontData, Index);
    if (Index == editor::kCaptionGlyph) {
        setWindowTitle(QString::number(view.width));
    }
    canvas_->ShowBitmap(tables_.FontData, Index);
    showKind(view.kind);
    cmbCols->setListIndex(view.colsIndex);
    canvas_->DrawLimitLine(view.width);
    cmbCentre->setListIndex(view.centreIndex);
    canvas_->CentreClick(cmbCentre->listIndex());
    lblLoc->setText(toQString(glyphCode(kindOf(tables_.JuktaMode), Index)));
    if (tables_.JuktaMode) {
        showConjunctPair(Index);
    }
    rememberShownGlyph();
}

void frmFont::showKind(std::optional<int> kind) {
    if (!kind) {
        return;  // a kind no option stands for leaves the one that is set
    }
    QRadioButton* options[] = {optConst, optVowel, optIkaar};
    options[*kind]->setChecked(true);
}

void frmFont::showConjunctPair(int Index) {
    for (int k = 0; k < kPairBytes; ++k) {
        auto slot = static_cast<std::size_t>(k);
        std::uint8_t value = tables_.JuktaData(Index, k);
        txtJukta[slot]->setText(toQString(editor::conjunctText(value)));
        // A byte above 7F has no entry: the list shows none and the text box keeps the byte.
        cmbJuk[slot]->setListIndex(editor::conjunctListIndex(value));
    }
}

void frmFont::SaveCharacter(int Index) {
    // The whole record is built before anything is written, so a failure leaves the tables as they were.
    const editor::GlyphRecord record = recordFromControls(tables_.CharMap);
    editor::storeRecord(tables_, Index, record);
}

void frmFont::cmdShowDec_Click() {
    runReported(QStringLiteral("Error!"), [this] {
        SaveCharacter(tables_.CurChar);
        tables_.CurChar = static_cast<std::int16_t>(editor::previousGlyph(tables_.CurChar));
        LoadCharacter(tables_.CurChar);
    });
}

void frmFont::cmdShowInc_Click() {
    runReported(QStringLiteral("Error!"), [this] {
        SaveCharacter(tables_.CurChar);
        tables_.CurChar = static_cast<std::int16_t>(editor::nextGlyph(tables_.CurChar, tables_.JuktaMode));
        LoadCharacter(tables_.CurChar);
    });
}

void frmFont::cmbJuk_Click(int Index) {
    ListCombo* list = cmbJuk.at(static_cast<std::size_t>(Index));
    // With no entry selected the text box keeps the byte it shows.
    if (list->listIndex() >= 0) {
        txtJukta.at(static_cast<std::size_t>(Index))->setText(list->currentText());
    }
}

}  // namespace ledfont::ui
