#include "cli/Run.h"

#include <exception>
#include <filesystem>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/HexCommands.h"
#include "cli/Usage.h"
#include "font/Error.h"

namespace ledfont::cli {

namespace {

int dispatch(const Arguments& args, std::ostream& out, std::ostream& err) {
    switch (args.command) {
        case CommandName::Hex:
            return runHex(args, out);
        case CommandName::Check:
            return runCheck(args, out, err);
        case CommandName::Show:
            return runShow(args, out);
        case CommandName::Jconv:
            return runJconv(args, out);
        case CommandName::Verify:
            return runVerify(args, out, err);
        case CommandName::Unhex:
            return runUnhex(args, out, err);
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
    Arguments parsed;
    try {
        parsed = parseArguments(args);
    } catch (const UsageError& e) {
        err << "ledfont: " << e.what() << '\n' << usageText();
        return kExitUsage;
    }
    try {
        return dispatch(parsed, out, err);
    } catch (const Error& e) {
        err << e.what() << '\n';
    } catch (const std::filesystem::filesystem_error& e) {
        err << describe(errorFromErrno(e.code().value())) << ": " << e.path1().string() << '\n';
    } catch (const std::exception& e) {
        err << describe(ErrorCode::DeviceIOError) << ": " << e.what() << '\n';
    }
    return kExitFailed;
}

}  // namespace ledfont::cli
