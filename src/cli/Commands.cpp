#include "cli/Commands.h"

#include <filesystem>
#include <numeric>

#include "cli/ComposeCommands.h"
#include "cli/FontCheck.h"
#include "cli/FontLoad.h"
#include "font/ConjunctList.h"
#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/FontPath.h"
#include "font/GlyphText.h"
#include "hexout/HexFile.h"
#include "hexout/HexRecords.h"

namespace ledfont::cli {

namespace {

// Writing the output over the input would destroy the one thing the command was given.
void refuseSameFile(const std::string& input, const std::string& output, const char* why) {
    if (sameFile(input, output)) {
        throw Error(ErrorCode::FileAlreadyExists, placeOfPath(output, why));
    }
}

}  // namespace

int runHex(const Arguments& args, std::ostream& out, std::ostream& err) {
    FontReading reading = chooseKind(args.paths[0], args.kind);
    FontTables tables = readFont(args.paths[0], reading);
    if (args.output == kStandardOutput) {
        tellReading(args.paths[0], reading, err);
        out << hexout::buildHexText(tables);
        return kExitDone;
    }
    const std::filesystem::path target =
        args.output.empty() ? hexout::writeHexFile(tables) : hexout::writeHexFile(tables, args.output);
    tellReading(args.paths[0], reading, err);
    out << displayPath(utf8FromPath(target)) << '\n';
    return kExitDone;
}

int runCheck(const Arguments& args, std::ostream& out, std::ostream& err) {
    std::optional<TextToCheck> text;
    if (!args.text.empty()) {
        text = TextToCheck{args.text, readTextFile(args.text), args.panels, args.against, args.againstSize};
    }
    CheckResult result = checkFont(args.paths[0], args.kind, text ? &*text : nullptr);
    if (!result.loadError) {
        tellReading(args.paths[0], result.reading, err);
    }
    for (const std::string& line : result.report) {
        out << line << '\n';
    }
    if (result.loadError) {
        err << result.loadError->what() << '\n';
        return kExitFailed;
    }
    return kExitDone;
}

int runShow(const Arguments& args, std::ostream& out, std::ostream& err) {
    FontReading reading = chooseKind(args.paths[0], args.kind);
    checkGlyphRange(args, reading.kind);
    const FontTables tables = readFont(args.paths[0], reading);
    tellReading(args.paths[0], reading, err);
    std::vector<int> glyphs = args.glyphs;
    if (glyphs.empty()) {
        glyphs.resize(static_cast<std::size_t>(glyphCount(reading.kind)));
        std::iota(glyphs.begin(), glyphs.end(), 0);
    }
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        out << (i == 0 ? "" : "\n") << formatGlyph(tables, reading.kind, glyphs[i]);
    }
    return kExitDone;
}

int runJconv(const Arguments& args, std::ostream& out, std::ostream& err) {
    refuseSameFile(args.paths[0], args.paths[1], "the output would replace the conjunct list");
    bool moreFollow = false;
    convertConjunctFile(pathFromUtf8(args.paths[0]), pathFromUtf8(args.paths[1]), moreFollow);
    if (moreFollow) {
        err << "ledfont: " << displayPath(args.paths[0])
            << ": more values follow the 128 a conjunct list holds; they are not converted\n";
    }
    out << displayPath(args.paths[1]) << '\n';
    return kExitDone;
}

}  // namespace ledfont::cli
