#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <algorithm>
#include <exception>

#include "font/GlyphText.h"
#include "ui/ListCombo.h"
#include "ui/QtConvert.h"
#include "ui/frmFont.h"

// The handlers that edit the glyph shown: each hands its event to the editor, which the window then shows.
namespace ledfont::ui {

void frmFont::LoadCharacter(int Index) {
    editor_.show(Index);
}

void frmFont::SaveCharacter(int Index) {
    editor_.store(Index);
}

void frmFont::cmdShowDec_Click() {
    runReported(QStringLiteral("Error!"), [this] { editor_.previous(); });
}

void frmFont::cmdShowInc_Click() {
    runReported(QStringLiteral("Error!"), [this] { editor_.next(); });
}

void frmFont::goToGlyph(int index) {
    runReported(QStringLiteral("Error!"), [this, index] { editor_.goTo(index); });
}

void frmFont::pic_MouseDown(int button, int /*shift*/, float x, float y) {
    editor_.beginStroke(button, x, y);
}

void frmFont::pic_MouseMove(int button, int /*shift*/, float x, float y) {
    editor_.paint(button, x, y);
}

void frmFont::pic_MouseUp() {
    editor_.endStroke();  // a stroke is one step, from the press to the release
}

void frmFont::cmbCols_Click() {
    editor_.setWidth(cmbCols->listIndex() + 1);
}

void frmFont::cmbCentre_Click() {
    editor_.setCentre(cmbCentre->listIndex() + 1);
}

void frmFont::cmbJuk_Click(int Index) {
    editor_.setPairByte(Index, cmbJuk.at(static_cast<std::size_t>(Index))->listIndex());
}

void frmFont::actUndo_Triggered() {
    editor_.undo();
}

void frmFont::actRedo_Triggered() {
    editor_.redo();
}

void frmFont::applyTool(editor::GlyphTool tool) {
    editor_.applyTool(tool);
}

void frmFont::actCopyGlyph_Triggered() {
    editor::GlyphRecord record;
    if (!runReported(QStringLiteral("Copy Glyph"), [&] { record = editor_.record(); })) {
        return;
    }
    const Glyph glyph =
        Glyph::decode(record.bytes, record.pair.value_or(std::array<std::uint8_t, kPairBytes>{}));
    auto* data = new QMimeData;
    data->setText(toQString(formatGlyph(glyph, editor_.kind(), editor_.glyph())));
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
        editor_.paste(Glyph::decode(record, pair), true);
        return;
    }
    try {
        const GlyphReading reading = parseGlyphText(toStdString(data->text()));
        editor_.paste(reading.glyph, reading.hasPair);
    } catch (const std::exception& error) {
        errorSink_(QStringLiteral("Paste Glyph"), QString::fromUtf8(error.what()));
    }
}

}  // namespace ledfont::ui
