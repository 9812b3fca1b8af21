#include <QStringList>

#include "font/FontPath.h"
#include "hexout/FirmwareFile.h"
#include "hexout/HexMemory.h"
#include "ui/FileSelector.h"
#include "ui/QtConvert.h"
#include "ui/frmFont.h"

// File > Export for Firmware...: the image of the HEX file as C source, a raw binary or S-records, the form
// chosen by the file's extension.
namespace ledfont::ui {

void frmFont::actExport_Triggered() {
    if (documentFile().empty()) {
        return;
    }
    const QString title = QStringLiteral("Export for Firmware");
    const QString chosen =
        saveChooser_(title, toQString(hexout::firmwareFileName(documentFile(), hexout::FirmwareFormat::C)));
    if (chosen.isEmpty()) {
        return;
    }
    const std::string target = toStdString(chosen);
    const std::optional<hexout::FirmwareFormat> format = hexout::formatOfFileName(target);
    if (!format) {
        errorSink_(title,
                   QStringLiteral("Choose a name ending in .c or .h (C source), .bin (binary) or .srec, "
                                  ".s19, .s28, .s37 or .mot (S-records): ") +
                       chosen);
        return;
    }
    // The glyph shown is stored first, as Save stores it, so that the image holds what the canvas shows.
    if (!runReported(QStringLiteral("Error!"), [this] { editor_.store(editor_.glyph()); })) {
        return;
    }
    runReported(title, [&] {
        // Never written over the file the font was loaded from.
        FontTables loaded = editor_.font();
        loaded.FontFile = documentFile();
        const hexout::FirmwareOutput written =
            hexout::writeFirmwareFiles(loaded, *format, target, hexout::cNameForFont(documentFile()));
        QStringList lines;
        for (const auto& file : written.files) {
            lines << QStringLiteral("Wrote ") + toQString(utf8FromPath(file));
        }
        lines << toQString(hexout::imageSummary(written.image));
        if (*format == hexout::FirmwareFormat::Binary) {
            lines << QStringLiteral("base: ") + toQString(hexout::hexAddress(written.image.address)) +
                         QStringLiteral(" (the address of the first byte)");
        }
        if (*format == hexout::FirmwareFormat::Srec) {
            lines << toQString(hexout::srecSummary(written.srecAddressBytes));
        }
        fileSelector_->refresh();
        reportSink_(title, lines.join(QLatin1Char('\n')));
    });
}

}  // namespace ledfont::ui
