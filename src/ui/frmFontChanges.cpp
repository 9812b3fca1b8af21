#include <QCloseEvent>

#include <filesystem>
#include <system_error>

#include "font/FontPath.h"
#include "font/FontText.h"
#include "ui/FileSelector.h"
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
    if (!exists(target) || (sameFile(target, documentFile()) && !editor_.document().documentHasMore())) {
        return true;
    }
    std::size_t held = 0;
    try {
        held = countFontFile(pathFromUtf8(target), kCountLimit);
    } catch (const std::exception&) {
        return true;  // a file that cannot be read holds nothing to keep; the save reports its own failure
    }
    const FontKind kind = editor_.kind();
    const auto written = static_cast<std::size_t>(valueCount(kind));
    if (held <= written) {
        return true;
    }
    const QString count =
        held >= kCountLimit ? QStringLiteral("more than %1").arg(kCountLimit - 1) : QString::number(held);
    const QString dropped = held >= kCountLimit ? QStringLiteral("at least %1").arg(held - written)
                                                : QString::number(held - written);
    QString text = QStringLiteral("%1 holds %2 values; saving this %3 font writes %4 and drops %5 of them.")
                       .arg(nameOf(target), count, QString::fromLatin1(fontKindName(kind)),
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
    fileSelector_->refresh();
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
           runReported(QStringLiteral("Error!"), [this] { editor_.store(editor_.glyph()); }) &&
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
