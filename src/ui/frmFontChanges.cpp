#include <QCloseEvent>
#include <QLineEdit>
#include <QRadioButton>

#include <filesystem>
#include <system_error>

#include "editor/LedCanvas.h"
#include "font/FontPath.h"
#include "font/FontText.h"
#include "ui/CanvasWidget.h"
#include "ui/ListCombo.h"
#include "ui/QtConvert.h"
#include "ui/frmFont.h"

// Keeping the user's work: what counts as unsaved, and the questions asked before a file or a font is lost.
namespace ledfont::ui {

namespace {

const QString kQuestionTitle = QStringLiteral("LED Font Editor");

// Enough to tell a Jukta512 font, and anything longer, from the font being saved.
constexpr std::size_t kCountLimit = static_cast<std::size_t>(valueCount(FontKind::Jukta512)) + 1;

// A file a write would replace; a folder in the way is for the write itself to report.
bool exists(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(pathFromUtf8(path), error);
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

QString nameOf(const std::string& path) {
    return toQString(utf8FromPath(pathFromUtf8(path).filename()));
}

// The two files by name, or by path where the names alone would read the same.
std::pair<QString, QString> namesOf(const std::string& a, const std::string& b) {
    QString first = nameOf(a);
    QString second = nameOf(b);
    if (first == second) {
        return {toQString(a), toQString(b)};
    }
    return {first, second};
}

}  // namespace

editor::GlyphRecord frmFont::recordFromControls(CharMapArray& map) const {
    canvas_->draft().fillMap(map);
    editor::GlyphControls controls;
    controls.kind = editor::kindFromOptions(optIkaar->isChecked(), optVowel->isChecked());
    controls.colsIndex = cmbCols->listIndex();
    controls.centreIndex = cmbCentre->listIndex();
    for (int k = 0; k < kPairBytes; ++k) {
        controls.conjunctTexts[static_cast<std::size_t>(k)] =
            toStdString(txtJukta[static_cast<std::size_t>(k)]->text());
    }
    return editor::buildRecord(controls, map, font().JuktaMode);
}

// Compared with what storing would have written when the glyph was shown, not with the stored bytes: a
// record the controls cannot show exactly (a width of 0, a kind above 2) is not a change the user made.
bool frmFont::canvasChanged() const {
    CharMapArray map;
    try {
        return !shownRecord_ || recordFromControls(map) != *shownRecord_;
    } catch (const std::exception&) {
        return true;  // what the controls hold cannot even be stored: the user has changed something
    }
}

void frmFont::rememberShownGlyph() {
    CharMapArray map;
    try {
        shownRecord_ = recordFromControls(map);
    } catch (const std::exception&) {
        shownRecord_.reset();
    }
}

bool frmFont::hasUnsavedChanges() const {
    if (documentFile().empty()) {
        return false;  // nothing was loaded, so there is no font to lose
    }
    return session_.document.modified() || canvasChanged();
}

bool frmFont::ask(const QString& text) {
    return questionSink_(kQuestionTitle, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

bool frmFont::confirmReplace(const std::string& target, const std::string& documentTarget,
                             const QString& what) {
    if (!exists(target) || (!documentTarget.empty() && sameFile(target, documentTarget))) {
        return true;
    }
    if (documentFile().empty()) {
        return ask(QStringLiteral("Replace %1 with %2 in the editor?").arg(nameOf(target), what));
    }
    const auto [targetName, documentName] = namesOf(target, documentFile());
    return ask(QStringLiteral("Replace %1 with %2 loaded from %3?").arg(targetName, what, documentName));
}

bool frmFont::confirmDroppedValues(const std::string& target) {
    if (!exists(target) || (sameFile(target, documentFile()) && !session_.document.documentHasMore())) {
        return true;
    }
    std::size_t held = 0;
    try {
        held = countFontFile(pathFromUtf8(target), kCountLimit);
    } catch (const std::exception&) {
        return true;  // a file that cannot be read holds nothing to keep; the save reports its own failure
    }
    const FontKind kind = kindOf(font().JuktaMode);
    const auto written = static_cast<std::size_t>(valueCount(kind));
    if (held <= written) {
        return true;
    }
    const QString count =
        held >= kCountLimit ? QStringLiteral("more than %1").arg(kCountLimit - 1) : QString::number(held);
    const QString dropped = held >= kCountLimit ? QStringLiteral("at least %1").arg(held - written)
                                                : QString::number(held - written);
    QString text = QStringLiteral("%1 holds %2 values; saving this %3 font writes %4 and drops %5 of them.")
                       .arg(nameOf(target), count,
                            kind == FontKind::Hindi ? QStringLiteral("Hindi") : QStringLiteral("Jukta512"),
                            QString::number(written), dropped);
    if (kind == FontKind::Hindi && held >= static_cast<std::size_t>(valueCount(FontKind::Jukta512))) {
        text += QStringLiteral(" To keep them, load the file as \"Jukta512\".");
    }
    return ask(text + QStringLiteral(" Save anyway?"));
}

bool frmFont::saveFontTo(const std::string& target) {
    if (!confirmReplace(target, documentFile(), QStringLiteral("the font")) ||
        !confirmDroppedValues(target)) {
        return false;
    }
    if (!runReported(QStringLiteral("Error Saving File"), [this, &target] { SaveFont(target); })) {
        return false;
    }
    rememberShownGlyph();
    return true;
}

bool frmFont::settleUnsavedWork() {
    if (!hasUnsavedChanges()) {
        return true;
    }
    const QMessageBox::StandardButton answer =
        questionSink_(kQuestionTitle, QStringLiteral("Save changes to %1?").arg(nameOf(documentFile())),
                      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Discard) {
        return true;
    }
    return answer == QMessageBox::Save &&
           runReported(QStringLiteral("Error!"), [this] { SaveCharacter(session_.CurChar); }) &&
           saveFontTo(documentFile());
}

void frmFont::closeEvent(QCloseEvent* event) {
    if (settleUnsavedWork()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace ledfont::ui
