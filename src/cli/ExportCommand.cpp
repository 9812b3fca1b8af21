#include "cli/ExportCommand.h"

#include <optional>

#include "cli/Commands.h"
#include "cli/FontLoad.h"
#include "cli/OptionWalker.h"
#include "font/Error.h"
#include "font/FontPath.h"
#include "hexout/FirmwareFile.h"
#include "hexout/HexMemory.h"

namespace ledfont::cli {

namespace {

hexout::FirmwareFormat parseFormat(const std::string& text) {
    if (text == "c") {
        return hexout::FirmwareFormat::C;
    }
    if (text == "bin") {
        return hexout::FirmwareFormat::Binary;
    }
    if (text == "srec") {
        return hexout::FirmwareFormat::Srec;
    }
    throw UsageError("--format takes c, bin or srec, not \"" + displayValue(text) + "\"");
}

void once(bool& seen, const char* name) {
    if (seen) {
        throw UsageError(std::string(name) + " given twice");
    }
    seen = true;
}

}  // namespace

Arguments parseExportArguments(std::span<const std::string> args) {
    Arguments parsed;
    parsed.command = CommandName::Export;
    bool kindSeen = false;
    bool nameSeen = false;
    bool outputSeen = false;
    OptionWalker walker(args);
    while (!walker.done()) {
        const std::string& arg = walker.next();
        if (walker.takePath(arg, parsed.paths)) {
            continue;
        }
        if (auto kind = walker.valueOf(arg, "--kind")) {
            once(kindSeen, "--kind");
            parsed.kind = parseKind(*kind);
        } else if (auto format = walker.valueOf(arg, "--format")) {
            if (parsed.exporting.format) {
                throw UsageError("--format given twice");
            }
            parsed.exporting.format = parseFormat(*format);
        } else if (auto name = walker.valueOf(arg, "--name")) {
            once(nameSeen, "--name");
            if (!hexout::isCIdentifier(*name)) {
                throw UsageError(
                    "--name takes a C identifier starting with a letter (C reserves a leading '_'), not \"" +
                    displayValue(*name) + "\"");
            }
            parsed.exporting.name = *name;
        } else if (auto output = walker.valueOf(arg, "-o")) {
            once(outputSeen, "-o");
            if (output->empty()) {
                throw UsageError("-o needs a file name");
            }
            parsed.output = *output;
        } else {
            throw UsageError("export does not take \"" + displayValue(arg) + "\"");
        }
    }
    if (parsed.paths.size() != 1) {
        throw UsageError("export takes 1 file, got " + std::to_string(parsed.paths.size()));
    }
    if (!parsed.exporting.format) {
        throw UsageError("export needs --format c, bin or srec");
    }
    if (nameSeen && *parsed.exporting.format != hexout::FirmwareFormat::C) {
        throw UsageError("--name goes with --format c");
    }
    if (parsed.output == kStandardOutput && *parsed.exporting.format == hexout::FirmwareFormat::C) {
        throw UsageError("-o - takes one file, and --format c writes two");
    }
    return parsed;
}

namespace {

// The binary or the S-records on `out`; the lines about the image go to `err`, so that `out` holds only them.
int exportToStandardOutput(const FontTables& tables, hexout::FirmwareFormat format, std::ostream& out,
                           std::ostream& err) {
    const hexout::FirmwareImage image = hexout::firmwareImage(tables);
    if (format == hexout::FirmwareFormat::Binary) {
        out.write(reinterpret_cast<const char*>(image.bytes.data()),
                  static_cast<std::streamsize>(image.bytes.size()));
    } else {
        out << hexout::buildSrecText(image);
    }
    err << hexout::imageSummary(image) << '\n';
    return kExitDone;
}

}  // namespace

int runExport(const Arguments& args, std::ostream& out, std::ostream& err) {
    const std::string& font = args.paths[0];
    const hexout::FirmwareFormat format = *args.exporting.format;
    FontReading reading = chooseKind(font, args.kind);
    const FontTables tables = readFont(font, reading);
    if (args.output == kStandardOutput) {
        tellReading(font, reading, err);
        return exportToStandardOutput(tables, format, out, err);
    }
    const std::string output = args.output.empty() ? hexout::firmwareFileName(font, format) : args.output;
    const std::string name = args.exporting.name.empty() ? hexout::cNameForFont(font) : args.exporting.name;
    const hexout::FirmwareOutput written = hexout::writeFirmwareFiles(tables, format, output, name);
    tellReading(font, reading, err);
    for (const auto& file : written.files) {
        out << displayPath(utf8FromPath(file)) << '\n';
    }
    out << hexout::imageSummary(written.image) << '\n';
    if (format == hexout::FirmwareFormat::Binary) {
        out << "base: " << hexout::hexAddress(written.image.address) << " (the address of the first byte)\n";
    }
    if (format == hexout::FirmwareFormat::Srec) {
        out << hexout::srecSummary(written.srecAddressBytes) << '\n';
    }
    return kExitDone;
}

}  // namespace ledfont::cli
