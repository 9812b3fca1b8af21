#include "cli/ImportCommand.h"

#include <algorithm>
#include <memory>

#include "cli/Commands.h"
#include "cli/ConjunctChoice.h"
#include "cli/FontLoad.h"
#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/FontPath.h"
#include "font/FontText.h"
#include "font/TextToByte.h"
#include "import/GlyphImport.h"
#include "import/SourceFile.h"

namespace ledfont::cli {

namespace {

std::string glyphNumber(int glyph) {
    return "0x" + hexText(static_cast<unsigned long>(glyph), 2);
}

// Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about chains of string additions.
std::string atPixels(std::string shown, const import::OpenedSource& opened) {
    shown.append(" at ").append(std::to_string(opened.pixelSize)).append(" pixels");
    if (opened.bodyFirst >= 0) {
        shown.append(" (the letters on rows ").append(std::to_string(opened.bodyFirst)).append("-");
        shown.append(std::to_string(opened.bodyLast)).append(")");
    }
    return shown;
}

// The source and how the message names it.
struct OpenSource {
    std::unique_ptr<import::GlyphSource> source;
    std::string shown;
};

OpenSource openSource(const Arguments& args) {
    const ImportOptions& options = args.importing;
    if (!options.system.empty()) {
        import::OpenedSource opened = import::openSystemFont(options.system, options.size);
        std::string family = "\"";
        family.append(displayValue(options.system)).append("\"");
        return {std::move(opened.source), atPixels(std::move(family), opened)};
    }
    const std::string& path = args.paths[0];
    import::OpenedSource opened = import::openSourceFile(path, options.size);
    return {std::move(opened.source),
            opened.pixelSize == 0 ? displayPath(path) : atPixels(displayPath(path), opened)};
}

void checkRanges(const ImportOptions& options, FontKind kind) {
    for (const auto& [first, last] : options.glyphs) {
        if (last >= glyphCount(kind)) {
            throw UsageError("--glyphs " + std::to_string(last) + " is outside 0.." +
                             std::to_string(glyphCount(kind) - 1) + " of " +
                             (kind == FontKind::Hindi ? "a Hindi font" : "a Jukta512 font"));
        }
    }
}

// The conjunct options fill glyphs only a Jukta512 font has.
void checkConjunctOptions(const ImportOptions& options, FontKind kind) {
    if (kind != FontKind::Jukta512 && (options.conjuncts || !options.conjunctsFrom.empty())) {
        throw UsageError(std::string(options.conjuncts ? "--conjuncts" : "--conjuncts-from") +
                         " fills conjunct glyphs, which only a Jukta512 font has");
    }
}

void refuseSameFile(const std::string& input, const std::string& output, const char* why) {
    if (!input.empty() && sameFile(input, output)) {
        throw Error(ErrorCode::FileAlreadyExists, placeOfPath(output, why));
    }
}

std::string nothingImported(const import::ImportReport& report, std::size_t asked) {
    if (asked == 0) {
        return "no glyph is selected";
    }
    std::string why = "of the " + std::to_string(asked) + " glyphs asked for, ";
    why.append(std::to_string(report.missing.size())).append(" are missing from the source and ");
    why.append(std::to_string(report.empty.size())).append(" light nothing");
    return why;
}

}  // namespace

std::string glyphRangesText(const std::vector<int>& glyphs) {
    std::string text;
    for (std::size_t i = 0; i < glyphs.size();) {
        std::size_t j = i;
        while (j + 1 < glyphs.size() && glyphs[j + 1] == glyphs[j] + 1) {
            ++j;
        }
        if (!text.empty()) {
            text.append(", ");
        }
        text.append(glyphNumber(glyphs[i]));
        if (j > i) {
            text.append("-").append(glyphNumber(glyphs[j]));
        }
        i = j + 1;
    }
    return text;
}

int runImport(const Arguments& args, std::ostream& out, std::ostream& err) {
    const ImportOptions& options = args.importing;
    refuseSameFile(args.paths.empty() ? "" : args.paths[0], args.output, "the font would replace the source");
    refuseSameFile(options.into, args.output, "the output would replace the font imported into");
    FontReading reading;
    reading.kind = args.kind.value_or(FontKind::Hindi);
    reading.kindGiven = true;
    FontTables tables;
    if (!options.into.empty()) {
        reading = chooseKind(options.into, args.kind);
        checkRanges(options, reading.kind);
        checkConjunctOptions(options, reading.kind);
        tables = readFont(options.into, reading);
    } else {
        checkRanges(options, reading.kind);
        checkConjunctOptions(options, reading.kind);
        tables = import::newFont(reading.kind);
    }
    const import::ConjunctSlots mode = reading.kind != FontKind::Jukta512
                                           ? import::ConjunctSlots::None
                                           : options.conjuncts.value_or(import::ConjunctSlots::Unpaired);
    const ConjunctChoice conjuncts =
        mode == import::ConjunctSlots::None ? ConjunctChoice{} : chooseConjuncts(options.conjunctsFrom);
    try {
        const OpenSource source = openSource(args);
        const import::FontImportReport whole = import::importFont(
            tables, reading.kind, *source.source, import::GlyphSelection{options.glyphs, options.onlyEmpty},
            conjuncts.pairs(), mode);
        const import::ImportReport& report = whole.glyphs;
        const std::size_t asked = report.imported.size() + report.missing.size() + report.empty.size();
        if (report.imported.empty()) {
            // A font of blank glyphs written over OUT would pass for a result.
            err << source.shown << ": no glyph imported: " << nothingImported(report, asked) << '\n';
            return kExitFailed;
        }
        tables.FontFile = args.output;
        saveFontFile(pathFromUtf8(args.output), tables);
        if (!options.into.empty()) {
            tellReading(options.into, reading, err);
        }
        out << displayPath(args.output) << ": " << report.imported.size() << " of " << asked
            << " glyphs imported from " << source.shown << " into a " << fontKindName(reading.kind)
            << " font\n";
        if (!report.missing.empty()) {
            out << "missing from the source (left as they were): " << glyphRangesText(report.missing) << '\n';
        }
        if (!report.empty.empty()) {
            out << "empty in the source (left as they were): " << glyphRangesText(report.empty) << '\n';
        }
        if (!report.cut.empty()) {
            out << "cut to 16 columns and 16 rows: " << glyphRangesText(report.cut) << '\n';
        }
        if (mode != import::ConjunctSlots::None) {
            reportConjuncts(whole.conjuncts, conjuncts, tables, mode, out);
        }
        return kExitDone;
    } catch (const import::SourceError& e) {
        err << e.what() << '\n';
        return kExitFailed;
    }
}

}  // namespace ledfont::cli
