#include "cli/Run.h"

#include <unistd.h>

#include <exception>
#include <filesystem>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/ComposeCommands.h"
#include "cli/DescriptorOutput.h"
#include "cli/ExportCommand.h"
#include "cli/HexCommands.h"
#include "cli/ImportCommand.h"
#include "cli/Usage.h"
#include "font/Error.h"
#include "font/FontPath.h"
#include "import/GlyphSource.h"

namespace ledfont::cli {

namespace {

int dispatch(const Arguments& args, std::ostream& out, std::ostream& err) {
    switch (args.command) {
        case CommandName::Hex:
            return runHex(args, out, err);
        case CommandName::Check:
            return runCheck(args, out, err);
        case CommandName::Show:
            return runShow(args, out, err);
        case CommandName::Jconv:
            return runJconv(args, out, err);
        case CommandName::Verify:
            return runVerify(args, out, err);
        case CommandName::Unhex:
            return runUnhex(args, out, err);
        case CommandName::Import:
            return runImport(args, out, err);
        case CommandName::Preview:
            return runPreview(args, out, err);
        case CommandName::Sheet:
            return runSheet(args, out, err);
        case CommandName::Export:
            return runExport(args, out, err);
        case CommandName::Version:
            out << versionText();
            return kExitDone;
        case CommandName::Help:
            break;
    }
    out << usageText();
    return kExitDone;
}

}  // namespace

int run(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    try {
        return dispatch(parseArguments(args), out, err);
    } catch (const UsageError& e) {
        // Also from a command, once the font it read shows that a glyph number is outside it.
        err << "ledfont: " << e.what() << '\n' << usageText();
        return kExitUsage;
    } catch (const Error& e) {
        err << e.what() << '\n';
    } catch (const import::SourceError& e) {
        // A font to draw from that cannot be read: its own words, with its path.
        err << e.what() << '\n';
    } catch (const std::filesystem::filesystem_error& e) {
        err << describe(errorFromErrno(e.code().value())) << ": " << displayPath(utf8FromPath(e.path1()))
            << '\n';
    } catch (const std::exception& e) {
        err << describe(ErrorCode::DeviceIOError) << ": " << e.what() << '\n';
    }
    return kExitFailed;
}

int runOnStandardOutput(std::span<const std::string> args, std::ostream& err) {
    DescriptorOutput buffer(STDOUT_FILENO);
    std::ostream out(&buffer);
    // stdout is written before each message, so that a terminal shows both in the order they were made.
    std::ostream* const tied = err.tie(&out);
    int status = run(args, out, err);
    err.tie(tied);
    if (const int cause = buffer.finish(); cause != 0) {
        err << describe(errorFromErrno(cause)) << ": standard output\n";
        return kExitFailed;
    }
    return status;
}

}  // namespace ledfont::cli
