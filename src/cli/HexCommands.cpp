#include "cli/HexCommands.h"

#include "cli/Commands.h"
#include "cli/FontLoad.h"
#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/FontPath.h"
#include "font/FontText.h"
#include "hexout/HexCompare.h"
#include "hexout/HexImage.h"
#include "hexout/HexReader.h"
#include "hexout/HexRecover.h"

namespace ledfont::cli {

namespace {

constexpr std::size_t kDifferencesShown = 20;

// HexError is the reader's own: its text is all the user needs, so it is reported here rather than as
// one of the file errors.
template <typename Command>
int reportingHexErrors(std::ostream& err, Command&& command) {
    try {
        return command();
    } catch (const hexout::HexError& e) {
        err << e.what() << '\n';
        return kExitFailed;
    }
}

}  // namespace

int runVerify(const Arguments& args, std::ostream& out, std::ostream& err) {
    FontReading reading = chooseKind(args.paths[0], args.kind);
    const FontTables tables = readFont(args.paths[0], reading);
    return reportingHexErrors(err, [&] {
        const hexout::HexComparison result = hexout::compareHexWithFont(
            tables, hexout::readHexFile(pathFromUtf8(args.paths[1])), kDifferencesShown);
        tellReading(args.paths[0], reading, err);
        for (const std::string& line : result.differences) {
            out << line << '\n';
        }
        out << result.summary << '\n';
        return result.matches() ? kExitDone : kExitFailed;
    });
}

int runUnhex(const Arguments& args, std::ostream& out, std::ostream& err) {
    const bool dump = !args.unhex.binary.empty();
    const std::string& input = dump ? args.unhex.binary : args.paths[0];
    if (sameFile(input, args.output)) {
        throw Error(ErrorCode::FileAlreadyExists,
                    placeOfPath(args.output, dump ? "the font file would replace the dump"
                                                  : "the font file would replace the HEX file"));
    }
    return reportingHexErrors(err, [&] {
        const hexout::HexMemory hex = dump ? hexout::readDumpFile(pathFromUtf8(input), args.unhex.base)
                                           : hexout::readHexFile(pathFromUtf8(input));
        // A dump of a whole chip holds both kinds' regions, whatever the font in it.
        const FontKind kind =
            args.unhex.autoKind || !args.kind
                ? hexout::kindOfHex(hex, dump ? "The dump" : "HEX",
                                    "give --kind hindi or --kind jukta512 to recover the font of one")
                : *args.kind;
        FontTables tables = hexout::tablesFromHex(hex, kind);
        tables.FontFile = args.output;
        saveFontFile(pathFromUtf8(args.output), tables);
        auto regions = hexout::fontRegions(kind);
        out << displayPath(args.output) << ": " << fontKindName(kind) << " font from "
            << hexout::hexRange(regions.front().address, regions.back().last()) << '\n';
        return kExitDone;
    });
}

}  // namespace ledfont::cli
