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
    session_.document.load(fn, FontKind::Hindi);
}

bool frmFont::LoadFontJukta(const std::string& fn) {
    return runReported(QStringLiteral("Error!"),
                       [this, &fn] { session_.document.load(fn, FontKind::Jukta512); });
}

void frmFont::SaveFont(const std::string& fn) {
    session_.document.save(fn);
}

void frmFont::cmdLoad_Click() {
    if (font().FontFile.empty() || !settleUnsavedWork()) {
        return;
    }
    loadChosenFont();
}

void frmFont::loadChosenFont() {
    Step step(*this);
    const bool jukta = optJukta->isChecked();
    // A failed load returns here, before the window has switched to the new kind.
    const std::string file = font().FontFile;
    const bool loaded =
        jukta ? LoadFontJukta(file)
              : runReported(QStringLiteral("Error Loading File"), [this, &file] { LoadFont(file); });
    if (!loaded) {
        return;
    }
    // A font loaded starts a history of its own, whether or not its first glyph shows.
    struct FreshHistory {
        frmFont& window;
        ~FreshHistory() { window.startHistory(); }
    } fresh{*this};
    FrameJ->setVisible(jukta);
    if (!runReported(QStringLiteral("Error Loading File"), [this] { LoadCharacter(0); })) {
        return;
    }
    session_.CurChar = 0;
    cmdSave->setEnabled(true);
    actVerifyHex->setEnabled(true);
}

void frmFont::cmdSave_Click() {
    Step step(*this);
    // Storing the canvas cannot fail for what the controls hold; if it ever did, the file must not be
    // written without the glyph on the canvas.
    if (!runReported(QStringLiteral("Error!"), [this] { SaveCharacter(session_.CurChar); })) {
        return;
    }
    if (!font().FontFile.empty()) {
        saveFontTo(font().FontFile);
    }
}

void frmFont::cmdConvertToHex_Click() {
    if (font().FontFile.empty()) {
        return;
    }
    // The export refuses a HEX name that is the font file itself; there is nothing to ask then.
    const std::string target = hexout::hexFileName(font().FontFile);
    const std::string documentHex =
        documentFile().empty() ? std::string() : hexout::hexFileName(documentFile());
    if (!sameFile(target, font().FontFile) &&
        !confirmReplace(target, documentHex, QStringLiteral("the HEX of the font"))) {
        return;
    }
    runReported(QStringLiteral("Error Writing HEX File"), [this] { hexout::writeHexFile(font()); });
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
        FontTables loaded = font();
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
