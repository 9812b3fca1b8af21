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

void frmFont::LoadFont(const std::string& fn) {
    bool more = false;
    storeFontValues(tables_, FontKind::Hindi, readFontFile(pathFromUtf8(fn), FontKind::Hindi, more));
    loadedHasMore_ = more;
}

bool frmFont::LoadFontJukta(const std::string& fn) {
    return runReported(QStringLiteral("Error!"), [this, &fn] {
        bool more = false;
        storeFontValues(tables_, FontKind::Jukta512,
                        readFontFile(pathFromUtf8(fn), FontKind::Jukta512, more));
        loadedHasMore_ = more;
    });
}

void frmFont::SaveFont(const std::string& fn) {
    saveFontFile(pathFromUtf8(fn), tables_);
}

void frmFont::cmdLoad_Click() {
    if (tables_.FontFile.empty()) {
        return;
    }
    const bool jukta = optJukta->isChecked();
    // A failed load returns here, before the window has switched to the new kind.
    const bool loaded =
        jukta ? LoadFontJukta(tables_.FontFile)
              : runReported(QStringLiteral("Error Loading File"), [this] { LoadFont(tables_.FontFile); });
    if (!loaded) {
        return;
    }
    tables_.JuktaMode = jukta;
    markSaved(tables_.FontFile, loadedHasMore_);
    FrameJ->setVisible(jukta);
    if (!runReported(QStringLiteral("Error Loading File"), [this] { LoadCharacter(0); })) {
        return;
    }
    tables_.CurChar = 0;
    cmdSave->setEnabled(true);
    actVerifyHex->setEnabled(true);
}

void frmFont::cmdSave_Click() {
    // Storing the canvas cannot fail for what the controls hold; if it ever did, the file must not be
    // written without the glyph on the canvas.
    if (!runReported(QStringLiteral("Error!"), [this] { SaveCharacter(tables_.CurChar); })) {
        return;
    }
    if (!tables_.FontFile.empty()) {
        saveFontTo(tables_.FontFile);
    }
}

void frmFont::cmdConvertToHex_Click() {
    if (tables_.FontFile.empty()) {
        return;
    }
    // The export refuses a HEX name that is the font file itself; there is nothing to ask then.
    const std::string target = hexout::hexFileName(tables_.FontFile);
    const std::string documentHex =
        documentFile_.empty() ? std::string() : hexout::hexFileName(documentFile_);
    if (!sameFile(target, tables_.FontFile) &&
        !confirmReplace(target, documentHex, QStringLiteral("the HEX of the font"))) {
        return;
    }
    runReported(QStringLiteral("Error Writing HEX File"), [this] { hexout::writeHexFile(tables_); });
}

void frmFont::actVerifyHex_Triggered() {
    if (documentFile_.empty()) {
        return;
    }
    const QString title = QStringLiteral("Verify HEX File");
    const QString chosen = fileChooser_(title, toQString(hexout::hexFileName(documentFile_)));
    if (chosen.isEmpty()) {
        return;
    }
    try {
        // The summary names the font by the file it was loaded from, not the one clicked since.
        FontTables loaded = tables_;
        loaded.FontFile = utf8FromPath(pathFromUtf8(documentFile_).filename());
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
