#include "font/InputFile.h"

#include <cerrno>
#include <system_error>

#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/FontPath.h"

namespace ledfont {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void fail(ErrorCode code, const fs::path& path) {
    throw Error(code, placeOfPath(utf8FromPath(path)));
}

// Missing file or missing folder: the two need different advice, and open() reports both as ENOENT.
ErrorCode whatIsMissing(const fs::path& path) {
    fs::path folder = path.parent_path();
    std::error_code ec;
    if (!folder.empty() && !fs::is_directory(folder, ec)) {
        return ErrorCode::PathNotFound;
    }
    return ErrorCode::FileNotFound;
}

}  // namespace

std::ifstream openInputFile(const fs::path& path) {
    if (namesNoFile(path)) {
        fail(ErrorCode::BadFileNameOrNumber, path);
    }
    std::error_code ec;
    fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        fail(whatIsMissing(path), path);
    }
    if (ec) {
        fail(errorFromErrno(ec.value()), path);
    }
    // Folders, pipes and devices are refused: a pipe would block and a device like /dev/zero never ends.
    if (status.type() != fs::file_type::regular) {
        fail(ErrorCode::PathFileAccessError, path);
    }
    errno = 0;
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in.is_open()) {
        fail(errno != 0 ? errorFromErrno(errno) : ErrorCode::DeviceIOError, path);
    }
    return in;
}

}  // namespace ledfont
