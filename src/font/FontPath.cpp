#include "font/FontPath.h"

#include <system_error>

namespace ledfont {
namespace {

ErrorCode folderErrorCode(const std::error_code& ec) {
    const std::error_condition condition = ec.default_error_condition();
    if (condition == std::errc::no_such_file_or_directory || condition == std::errc::not_a_directory) {
        return ErrorCode::PathNotFound;
    }
    if (condition.category() == std::generic_category()) {
        return errorFromErrno(condition.value());
    }
    // System codes without a portable meaning, such as a drive that is not ready.
    return ErrorCode::DeviceIOError;
}

}  // namespace

std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string joinFolderFile(std::string_view folder, std::string_view name, char separator) {
    std::string path(folder);
    if (!path.empty() && path.back() != separator) {
        path += separator;
    }
    path += name;
    return path;
}

bool namesNoFile(const std::filesystem::path& path) {
    return path.empty() || path.native().find(std::filesystem::path::value_type{}) !=
                               std::filesystem::path::string_type::npos;
}

bool sameFile(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path pathA = pathFromUtf8(a);
    const fs::path pathB = pathFromUtf8(b);
    if (a == b || fs::equivalent(pathA, pathB, ec)) {
        return true;
    }
    fs::path canonicalA = fs::weakly_canonical(pathA, ec);
    if (ec) {
        return false;
    }
    fs::path canonicalB = fs::weakly_canonical(pathB, ec);
    return !ec && canonicalA == canonicalB;
}

std::optional<Error> folderReadError(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::directory_iterator probe(folder, ec);
    if (!ec) {
        return std::nullopt;
    }
    ErrorPlace place;
    place.path = utf8FromPath(folder);
    return Error(folderErrorCode(ec), std::move(place));
}

}  // namespace ledfont
