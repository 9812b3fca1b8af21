#include "cli/Run.h"

#include <unistd.h>
#ifndef _WIN32
#include <sys/statvfs.h>
#endif

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

#ifndef _WIN32
// The file system holding `path`, or the folder it would be made in, is mounted read-only.
bool onReadOnlyFileSystem(const std::filesystem::path& path) {
    struct statvfs info {};
    std::error_code ec;
    const std::filesystem::path where =
        std::filesystem::exists(path, ec) || !path.has_parent_path() ? path : path.parent_path();
    return ::statvfs(where.c_str(), &info) == 0 && (info.f_flag & ST_RDONLY) != 0;
}
#endif

// The error's conventional text stays first, as the editor shows it; the command line adds in words what
// the user can act on: the file is a folder, or the file system is read-only (not merely this file).
Error inPlainWords(const Error& e) {
    const ErrorPlace& place = e.place();
    if (place.path.empty() || !place.note.empty()) {
        return e;
    }
    const std::filesystem::path path = pathFromUtf8(place.path);
    std::error_code ec;
    std::string words;
    if (e.code() == ErrorCode::PathFileAccessError && std::filesystem::is_directory(path, ec)) {
        words = "is a folder";
    }
#ifndef _WIN32
    if (e.code() == ErrorCode::PermissionDenied && onReadOnlyFileSystem(path)) {
        words = "read-only file system";
    }
#endif
    if (words.empty()) {
        return e;
    }
    ErrorPlace worded = place;
    worded.note = words;
    return Error(e.code(), worded);
}

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
        err << inPlainWords(e).what() << '\n';
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
