#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>

#include <stdexcept>
#include <variant>

#include "editor/GlyphTarget.h"
#include "font/GlyphText.h"
#include "import/GlyphImport.h"
#include "import/SourceFile.h"
#include "ui/CanvasWidget.h"
#include "ui/ListCombo.h"
#include "ui/QtConvert.h"
#include "ui/frmFont.h"

// Editing beyond the controls: undo and redo over whole window states, the glyph tools, the clipboard
// and going to a glyph.
namespace ledfont::ui {

WindowState frmFont::state() const {
    WindowState now;
    now.font = font();
    now.font.FontFile.clear();
    now.CurChar = session_.CurChar;
    now.CharMap = session_.CharMap;
    now.picture = canvas_->picture();
    now.colsIndex = cmbCols->listIndex();
    now.centreIndex = cmbCentre->listIndex();
    now.kindOptions = {optConst->isChecked(), optVowel->isChecked(), optIkaar->isChecked()};
    for (std::size_t k = 0; k < kPairBytes; ++k) {
        now.conjunctIndex[k] = cmbJuk[k]->listIndex();
        now.conjunctText[k] = txtJukta[k]->text();
    }
    now.location = lblLoc->text();
    now.title = windowTitle();
    return now;
}

void frmFont::checkpoint() {
    if (stepDepth_ > 0 || restoring_) {
        return;
    }
    WindowState now = state();
    if (!(now == current_)) {
        history_.push(std::move(current_));
        current_ = std::move(now);
    }
    updateActions();
}

void frmFont::startHistory() {
    history_.clear();
    current_ = state();
    updateActions();
}

void frmFont::restoreState(const WindowState& target) {
    restoring_ = true;
    ++stepDepth_;
    session_.document.setTables(target.font);
    session_.CurChar = target.CurChar;
    session_.CharMap = target.CharMap;
    // The lists' handlers draw as they would; the picture is put back whole at the end.
    cmbCols->setListIndex(target.colsIndex);
    cmbCentre->setListIndex(target.centreIndex);
    QRadioButton* options[] = {optConst, optVowel, optIkaar};
    for (std::size_t k = 0; k < 3; ++k) {
        if (target.kindOptions[k]) {
            options[k]->setChecked(true);
        }
    }
    for (std::size_t k = 0; k < kPairBytes; ++k) {
        cmbJuk[k]->setListIndex(target.conjunctIndex[k]);
        txtJukta[k]->setText(target.conjunctText[k]);
    }
    lblLoc->setText(target.location);
    setWindowTitle(target.title);
    canvas_->ShowPicture(target.picture);
    --stepDepth_;
    restoring_ = false;
}

void frmFont::actUndo_Triggered() {
    checkpoint();
    if (!history_.canUndo()) {
        return;
    }
    current_ = history_.undo(std::move(current_));
    restoreState(current_);
    updateActions();
}

void frmFont::actRedo_Triggered() {
    checkpoint();
    if (!history_.canRedo()) {
        return;
    }
    current_ = history_.redo(std::move(current_));
    restoreState(current_);
    updateActions();
}

void frmFont::pic_MouseUp() {
    checkpoint();  // a stroke is one step, from the press to the release
}

void frmFont::applyTool(editor::GlyphTool tool) {
    Step step(*this);
    canvas_->ShowDraft(editor::applyTool(tool, canvas_->draft(), cmbCols->listIndex() + 1));
    canvas_->GetMap();
}

void frmFont::actCopyGlyph_Triggered() {
    CharMapArray map;
    editor::GlyphRecord record;
    if (!runReported(QStringLiteral("Copy Glyph"), [&] { record = recordFromControls(map); })) {
        return;
    }
    const Glyph glyph =
        Glyph::decode(record.bytes, record.pair.value_or(std::array<std::uint8_t, kPairBytes>{}));
    auto* data = new QMimeData;
    data->setText(toQString(formatGlyph(glyph, kindOf(font().JuktaMode), session_.CurChar)));
    QByteArray bytes(reinterpret_cast<const char*>(record.bytes.data()), kRecordBytes);
    bytes.append(reinterpret_cast<const char*>(glyph.pair.data()), kPairBytes);
    data->setData(kGlyphMime, bytes);
    QApplication::clipboard()->setMimeData(data);
    updateActions();
}

void frmFont::actPasteGlyph_Triggered() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (data == nullptr) {
        return;
    }
    const QByteArray bytes = data->data(kGlyphMime);
    if (bytes.size() == kRecordBytes + kPairBytes) {
        std::array<std::uint8_t, kRecordBytes> record{};
        std::array<std::uint8_t, kPairBytes> pair{};
        std::copy_n(bytes.constData(), kRecordBytes, reinterpret_cast<char*>(record.data()));
        std::copy_n(bytes.constData() + kRecordBytes, kPairBytes, reinterpret_cast<char*>(pair.data()));
        showGlyphValue(Glyph::decode(record, pair), true);
        return;
    }
    try {
        const GlyphReading reading = parseGlyphText(toStdString(data->text()));
        showGlyphValue(reading.glyph, reading.hasPair);
    } catch (const std::exception& error) {
        errorSink_(QStringLiteral("Paste Glyph"), QString::fromUtf8(error.what()));
    }
}

void frmFont::showGlyphValue(const Glyph& glyph, bool withPair) {
    Step step(*this);
    editor::GlyphDraft draft;
    draft.setColumns(glyph.columns);
    canvas_->ShowDraft(draft);
    canvas_->GetMap();
    cmbCols->setListIndex(glyph.shownWidth() - 1);
    cmbCentre->setListIndex(glyph.centre - 1);
    showKind(glyph.kindNumber() <= 2 ? std::optional<int>(glyph.kindNumber()) : std::nullopt);
    if (withPair && font().JuktaMode) {
        for (std::size_t k = 0; k < kPairBytes; ++k) {
            const int entry = editor::conjunctListIndex(glyph.pair[k]);
            if (entry < 0) {
                txtJukta[k]->setText(toQString(editor::conjunctText(glyph.pair[k])));
            }
            cmbJuk[k]->setListIndex(entry);
        }
    }
}

void frmFont::goToGlyph(int index) {
    Step step(*this);
    runReported(QStringLiteral("Error!"), [this, index] {
        SaveCharacter(session_.CurChar);
        session_.CurChar = static_cast<std::int16_t>(index);
        LoadCharacter(session_.CurChar);
    });
}

std::optional<int> frmFont::askGlyph(const QString& title, const QString& label) {
    const QString text = textAsker_(title, label);
    if (text.trimmed().isEmpty()) {
        return std::nullopt;
    }
    const auto target = editor::glyphTarget(toStdString(text), kindOf(font().JuktaMode));
    if (const auto* why = std::get_if<std::string>(&target)) {
        errorSink_(title, toQString(*why));
        return std::nullopt;
    }
    return std::get<int>(target);
}

void frmFont::actGoToGlyph_Triggered() {
    if (const auto glyph =
            askGlyph(QStringLiteral("Go to Glyph"),
                     QStringLiteral("Glyph index (21 or 0x15), code (Code: 0915) or Devanagari letter:"))) {
        goToGlyph(*glyph);
    }
}

void frmFont::actImportGlyphs_Triggered() {
    const FontKind kind = kindOf(font().JuktaMode);
    const std::optional<ImportChoice> chosen = importChooser_(kind);
    if (!chosen) {
        return;
    }
    const QString title = QStringLiteral("Import Glyphs");
    try {
        for (const auto& [first, last] : chosen->ranges) {
            if (last >= glyphCount(kind)) {
                throw std::out_of_range("glyph " + std::to_string(last) + " is outside 0.." +
                                        std::to_string(glyphCount(kind) - 1) + " of this font");
            }
        }
        const import::OpenedSource opened =
            chosen->file.isEmpty() ? import::openSystemFont(toStdString(chosen->family), chosen->pixelSize)
                                   : import::openSourceFile(toStdString(chosen->file), chosen->pixelSize);
        FontTables imported = font();
        const import::ImportReport report = import::importGlyphs(
            imported, kind, *opened.source, import::GlyphSelection{chosen->ranges, chosen->onlyEmpty});
        const std::size_t asked = report.imported.size() + report.missing.size() + report.empty.size();
        if (report.imported.empty()) {
            // Nothing changed, so there is no step to undo.
            errorSink_(title, QStringLiteral("No glyphs imported (%1 asked for).").arg(asked));
            return;
        }
        {
            Step step(*this);
            session_.document.setTables(imported);
            LoadCharacter(session_.CurChar);
        }
        QString text = QStringLiteral("%1 of %2 glyphs imported.").arg(report.imported.size()).arg(asked);
        if (!report.missing.empty()) {
            text += QStringLiteral(" %1 the source lacks were left as they were.").arg(report.missing.size());
        }
        if (!report.empty.empty()) {
            text +=
                QStringLiteral(" %1 empty in the source were left as they were.").arg(report.empty.size());
        }
        reportSink_(title, text);
    } catch (const std::exception& error) {
        errorSink_(title, QString::fromUtf8(error.what()));
    }
}

}  // namespace ledfont::ui
