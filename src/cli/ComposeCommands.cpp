#include "cli/ComposeCommands.h"

#include <iterator>
#include <optional>

#include "cli/Commands.h"
#include "cli/FontLoad.h"
#include "cli/SourceProof.h"
#include "cli/TextReport.h"
#include "compose/CompositionCheck.h"
#include "compose/Png.h"
#include "compose/Sheet.h"
#include "compose/Utf8.h"
#include "compose/Warnings.h"
#include "font/ErrorPlaces.h"
#include "font/FontPath.h"
#include "font/GlyphCode.h"
#include "font/InputFile.h"

namespace ledfont::cli {

namespace {

// libpng is optional; a build without it says so rather than writing something else.
bool refuseWithoutPng(const char* what, std::ostream& err) {
    if (compose::pngAvailable()) {
        return false;
    }
    err << "ledfont: " << what << ": this ledfont was built without PNG output (libpng)\n";
    return true;
}

void refuseFontAsOutput(const std::string& font, const std::string& output) {
    if (sameFile(font, output)) {
        throw Error(ErrorCode::FileAlreadyExists, placeOfPath(output, "the output would replace the font"));
    }
}

}  // namespace

std::string readTextFile(const std::string& path) {
    std::ifstream in = openInputFile(pathFromUtf8(path));
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        throw Error(ErrorCode::DeviceIOError, placeOfPath(path, "reading the text"));
    }
    return bytes;
}

int runPreview(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (!args.png.empty() && refuseWithoutPng("--png", err)) {
        return kExitFailed;
    }
    FontReading reading = chooseKind(args.paths[0], args.kind);
    const FontTables tables = readFont(args.paths[0], reading);
    std::string text;
    for (std::size_t i = 1; i < args.paths.size(); ++i) {
        text += (i == 1 ? "" : " ") + args.paths[i];
    }
    const std::u32string codes = compose::decodeUtf8(text);
    TextFindings findings;
    const compose::ComposeFont font(tables, reading.kind);
    const compose::Strip strip = addLine(findings, font, codes, 1, args.panels);
    std::optional<import::SourceDrawing> source;
    std::vector<std::uint16_t> drawing;
    if (!args.against.empty()) {
        source.emplace(args.against, font.glyph(0x15), args.againstSize);
        drawing = source->draw(codes);
    }
    if (!args.png.empty()) {
        const int columns = compose::pictureColumns(strip, args.panels * kPanelColumns);
        if (columns > compose::kMostPictureColumns) {
            err << "ledfont: --png: the text is " << strip.width()
                << " columns wide; a picture holds at most " << compose::kMostPictureColumns << " ("
                << compose::kMostPictureColumns / kPanelColumns << " panels), so nothing was written\n";
            return kExitFailed;
        }
        refuseFontAsOutput(args.paths[0], args.png);
        compose::writePngFile(
            compose::drawStripAbove(strip, source ? &drawing : nullptr, args.panels * kPanelColumns),
            pathFromUtf8(args.png));
    }
    tellReading(args.paths[0], reading, err);
    out << compose::stripRows(strip);
    if (source) {
        compose::Strip drawn;
        drawn.columns = drawing;
        out << '\n' << compose::stripRows(drawn);
        const WordFigures figures = proveWords(font, *source, codes);
        for (const WordFigures::Mismatched& m : figures.mismatched) {
            err << "ledfont: " << compose::encodeUtf8(m.word) << " reads otherwise than in " << source->name()
                << ":";
            for (std::size_t i = 0; i < m.causes.size(); ++i) {
                err << (i == 0 ? " " : ", ") << compose::mismatchName(m.causes[i]);
            }
            err << '\n';
        }
    }
    for (const auto& m : findings.missing) {
        err << "ledfont: no glyph for " << codeName(m.code) << " (" << times(m.count) << ")\n";
    }
    for (const auto& f : findings.fallbacks) {
        err << "ledfont: no conjunct glyph for " << conjunctName(f.first, f.second)
            << ", drawn with the halant (" << times(f.count) << ")\n";
    }
    if (!findings.wide.empty()) {
        err << "ledfont: the text is " << strip.width() << " columns wide, wider than " << args.panels
            << (args.panels == 1 ? " panel" : " panels") << " (" << args.panels * kPanelColumns
            << " columns)\n";
    }
    for (const compose::GlyphWarning& w : emptyGlyphsDrawn(tables, reading.kind, findings.uses)) {
        err << "ledfont: glyph " << w.glyph << " (" << glyphCode(reading.kind, w.glyph)
            << ") is empty, drawn " << times(w.detail) << "\n";
    }
    return kExitDone;
}

int runSheet(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (refuseWithoutPng("sheet", err)) {
        return kExitFailed;
    }
    refuseFontAsOutput(args.paths[0], args.output);
    FontReading reading = chooseKind(args.paths[0], args.kind);
    const FontTables tables = readFont(args.paths[0], reading);
    // The composition check sits beside the glyph warnings: it composes some thousand pairs, too slow for the
    // editor's warnings, which follow every edit.
    std::vector<compose::GlyphWarning> warnings = compose::glyphWarnings(tables, reading.kind);
    const std::vector<compose::GlyphWarning> composed = compose::compositionWarnings(
        compose::compositionFindings(compose::ComposeFont(tables, reading.kind)));
    warnings.insert(warnings.end(), composed.begin(), composed.end());
    const compose::Image sheet = compose::drawSheet(tables, reading.kind, warnings);
    compose::writePngFile(sheet, pathFromUtf8(args.output));
    tellReading(args.paths[0], reading, err);
    out << displayPath(args.output) << '\n';
    return kExitDone;
}

}  // namespace ledfont::cli
