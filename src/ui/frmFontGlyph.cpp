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
    const editor::GlyphView view = editor::glyphView(font().FontData, Index);
    if (Index == editor::kCaptionGlyph) {
        setWindowTitle(QString::number(view.width));
    }
    canvas_->ShowBitmap(font().FontData, Index);
    showKind(view.kind);
    // Selecting from code runs the Click handlers at once: cmbCols_Click draws the limit line and
    // cmbCentre_Click places the marker, so neither is repeated here.
    cmbCols->setListIndex(view.colsIndex);
    cmbCentre->setListIndex(view.centreIndex);
    lblLoc->setText(toQString(glyphCode(kindOf(font().JuktaMode), Index)));
    if (font().JuktaMode) {
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
        std::uint8_t value = font().JuktaData(Index, k);
        // cmbJuk_Click writes the entry's text, the byte's two digits; a byte above 7F has no entry, and
        // the text box is given the byte here.
        const int entry = editor::conjunctListIndex(value);
        if (entry < 0) {
            txtJukta[slot]->setText(toQString(editor::conjunctText(value)));
        }
        cmbJuk[slot]->setListIndex(entry);
    }
}

void frmFont::SaveCharacter(int Index) {
    // The whole record is built before anything is written, so a failure leaves the tables as they were.
    const editor::GlyphRecord record = recordFromControls(session_.CharMap);
    editor::storeRecord(session_.document, Index, record);
}

void frmFont::cmdShowDec_Click() {
    Step step(*this);
    runReported(QStringLiteral("Error!"), [this] {
        SaveCharacter(session_.CurChar);
        session_.CurChar = static_cast<std::int16_t>(editor::previousGlyph(session_.CurChar));
        LoadCharacter(session_.CurChar);
    });
}

void frmFont::cmdShowInc_Click() {
    Step step(*this);
    runReported(QStringLiteral("Error!"), [this] {
        SaveCharacter(session_.CurChar);
        session_.CurChar = static_cast<std::int16_t>(editor::nextGlyph(session_.CurChar, font().JuktaMode));
        LoadCharacter(session_.CurChar);
    });
}

void frmFont::cmbJuk_Click(int Index) {
    Step step(*this);
    ListCombo* list = cmbJuk.at(static_cast<std::size_t>(Index));
    // With no entry selected the text box keeps the byte it shows.
    if (list->listIndex() >= 0) {
        txtJukta.at(static_cast<std::size_t>(Index))->setText(list->currentText());
    }
}

}  // namespace ledfont::ui
