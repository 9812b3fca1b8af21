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

std::string joinFolderFile(std::string_view folder, std::string_view name, char separator) {
    std::string path(folder);
    if (!path.empty() && path.back() != separator) {
        path += separator;
    }
    path += name;
    return path;
}

std::string fileLabelText(std::string_view fontFile) {
    return "File : " + std::string(fontFile);
}

bool namesNoFile(const std::filesystem::path& path) {
    return path.empty() || path.native().find(std::filesystem::path::value_type{}) !=
                               std::filesystem::path::string_type::npos;
}

bool sameFile(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (a == b || fs::equivalent(a, b, ec)) {
        return true;
    }
    fs::path canonicalA = fs::weakly_canonical(a, ec);
    if (ec) {
        return false;
    }
    fs::path canonicalB = fs::weakly_canonical(b, ec);
    return !ec && canonicalA == canonicalB;
}

std::optional<Error> folderReadError(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::directory_iterator probe(folder, ec);
    if (!ec) {
        return std::nullopt;
    }
    ErrorPlace place;
    const std::u8string text = folder.u8string();
    place.path.assign(text.begin(), text.end());
    return Error(folderErrorCode(ec), std::move(place));
}

}  // namespace ledfont
