#include <QStringList>

#include "font/FontPath.h"
#include "hexout/FirmwareFile.h"
#include "hexout/HexMemory.h"
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
    runReported(title, [&] {
        // The font as last stored, and never written over the file it was loaded from.
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
        reportSink_(title, lines.join(QLatin1Char('\n')));
    });
}

}  // namespace ledfont::ui
