#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include <exception>
#include <filesystem>

#include "font/ConjunctList.h"
#include "font/FontPath.h"
#include "font/FontText.h"
#include "hexout/HexCompare.h"
#include "hexout/HexFile.h"
#include "hexout/HexReader.h"
#include "ui/FileSelector.h"
#include "ui/QtConvert.h"
#include "ui/frmFont.h"

// Moving whole fonts between the tables and files: load, save, HEX export and the conjunct list converter.
namespace ledfont::ui {

namespace {

// The converter's files are fixed; elsewhere than on Windows they are plain names in the current folder.
constexpr const char* kConjunctListIn = "d:\\juk64con.txt";
constexpr const char* kConjunctListOut = "d:\\1.txt";
// A box shows no more than this many differences; the summary counts them all.
constexpr std::size_t kDifferencesShown = 12;

}  // namespace

// A load shows glyph 0 and starts a fresh history; the window follows the kind loaded.
void frmFont::LoadFont(const std::string& fn) {
    editor_.load(fn, FontKind::Hindi);
}

bool frmFont::LoadFontJukta(const std::string& fn) {
    return runReported(QStringLiteral("Error!"), [this, &fn] { editor_.load(fn, FontKind::Jukta512); });
}

void frmFont::SaveFont(const std::string& fn) {
    editor_.save(fn);
}

void frmFont::cmdLoad_Click() {
    if (editor_.document().fontFile().empty()) {
        return;
    }
    if (!settleUnsavedWork()) {
        // Nothing was loaded: the buttons show the kind of the font that stays.
        (editor_.kind() == FontKind::Jukta512 ? optJukta : optHindi)->setChecked(true);
        return;
    }
    loadChosenFont();
}

void frmFont::loadChosenFont() {
    const std::string file = editor_.document().fontFile();
    // A failed load leaves everything as it was.
    if (optJukta->isChecked()) {
        LoadFontJukta(file);
    } else {
        runReported(QStringLiteral("Error Loading File"), [this, &file] { LoadFont(file); });
    }
}

void frmFont::cmdSave_Click() {
    // Storing the glyph shown cannot fail for what the controls hold; if it ever did, the file must not be
    // written without it.
    if (!runReported(QStringLiteral("Error!"), [this] { editor_.store(editor_.glyph()); })) {
        return;
    }
    if (!editor_.document().fontFile().empty()) {
        saveFontTo(editor_.document().fontFile());
    }
}

void frmFont::cmdConvertToHex_Click() {
    if (editor_.document().fontFile().empty()) {
        return;
    }
    // The export refuses a HEX name that is the font file itself; there is nothing to ask then.
    const std::string target = hexout::hexFileName(editor_.document().fontFile());
    const std::string documentHex =
        documentFile().empty() ? std::string() : hexout::hexFileName(documentFile());
    if (!sameFile(target, editor_.document().fontFile()) &&
        !confirmReplace(target, documentHex, QStringLiteral("the HEX of the font"))) {
        return;
    }
    if (runReported(QStringLiteral("Error Writing HEX File"),
                    [this] { hexout::writeHexFile(editor_.font()); })) {
        fileSelector_->refresh();
    }
}

void frmFont::actVerifyHex_Triggered() {
    if (documentFile().empty()) {
        return;
    }
    const QString title = QStringLiteral("Verify HEX File");
    const QString chosen = fileChooser_(title, toQString(hexout::hexFileName(documentFile())));
    if (chosen.isEmpty()) {
        return;
    }
    try {
        // The summary names the font by the file it was loaded from, not the one clicked since.
        FontTables loaded = editor_.font();
        loaded.FontFile = utf8FromPath(pathFromUtf8(documentFile()).filename());
        const hexout::HexComparison result = hexout::compareHexWithFont(
            loaded, hexout::readHexFile(pathFromUtf8(toStdString(chosen))), kDifferencesShown);
        QStringList lines;
        for (const std::string& line : result.differences) {
            lines << toQString(line);
        }
        if (result.count > result.differences.size()) {
            lines << QStringLiteral("...");
        }
        lines << toQString(result.summary);
        reportSink_(title, lines.join(QLatin1Char('\n')));
    } catch (const std::exception& error) {
        errorSink_(QStringLiteral("Error Reading HEX File"), QString::fromUtf8(error.what()));
    }
}

void frmFont::Command1_Click() {
    runReported(QStringLiteral("Error!"), [] { convertConjunctFile(kConjunctListIn, kConjunctListOut); });
}

}  // namespace ledfont::ui
