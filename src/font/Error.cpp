#include "font/Error.h"

#include "fileio/FileError.h"
#include "font/TextToByte.h"

namespace ledfont {

std::string_view describe(ErrorCode code) {
    switch (code) {
        case ErrorCode::Overflow:
            return "Overflow";
        case ErrorCode::SubscriptOutOfRange:
            return "Subscript out of range";
        case ErrorCode::TypeMismatch:
            return "Type mismatch";
        case ErrorCode::BadFileNameOrNumber:
            return "Bad file name or number";
        case ErrorCode::FileNotFound:
            return "File not found";
        case ErrorCode::DeviceIOError:
            return "Device I/O error";
        case ErrorCode::FileAlreadyExists:
            return "File already exists";
        case ErrorCode::DiskFull:
            return "Disk full";
        case ErrorCode::InputPastEndOfFile:
            return "Input past end of file";
        case ErrorCode::PermissionDenied:
            return "Permission denied";
        case ErrorCode::PathFileAccessError:
            return "Path/File access error";
        case ErrorCode::PathNotFound:
            return "Path not found";
    }
    return "Unknown error";
}

Error::Error(ErrorCode code, ErrorPlace place)
    : std::runtime_error(compose(code, place)), code_(code), place_(std::move(place)) {}

void throwError(ErrorCode code) {
    throw Error(code);
}

Error Error::withPath(std::string path) const {
    ErrorPlace place = place_;
    place.path = std::move(path);
    return Error(code_, std::move(place));
}

std::string Error::compose(ErrorCode code, const ErrorPlace& place) {
    std::string text(describe(code));
    std::string where = displayPath(place.path);
    if (place.line > 0) {
        where += (where.empty() ? "line " : ", line ") + std::to_string(place.line);
    }
    if (place.hasValue) {
        where += (where.empty() ? "value \"" : ", value \"") + place.value + "\"";
    }
    if (!where.empty()) {
        text += ": " + where;
    }
    if (!place.note.empty()) {
        text += " (" + place.note + ")";
    }
    return text;
}

namespace {

bool isControlByte(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// `text` with every byte for which `escaped` holds written as \xNN.
template <typename Escaped>
std::string escapeBytes(std::string_view text, Escaped escaped) {
    std::string out;
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        out += escaped(c) ? "\\x" + byteToHexText(c) : std::string(1, ch);
    }
    return out;
}

}  // namespace

std::string displayValue(std::string_view text) {
    constexpr std::size_t kMaxShown = 40;
    // Quotes and backslashes too, since the value stands between quotes and an escape must read as one.
    std::string out = escapeBytes(text.substr(0, kMaxShown),
                                  [](unsigned char c) { return isControlByte(c) || c == '"' || c == '\\'; });
    if (text.size() > kMaxShown) {
        out += "...";
    }
    return out;
}

std::string displayPath(std::string_view path) {
    return escapeBytes(path, isControlByte);
}

// One table of errno values for the whole program: fileio's, which its writer reports in.
ErrorCode errorFromErrno(int err) {
    return errorFromFileFailure(fileio::failureFromErrno(err));
}

ErrorCode errorFromFileFailure(fileio::FileFailure failure) {
    switch (failure) {
        case fileio::FileFailure::BadName:
            return ErrorCode::BadFileNameOrNumber;
        case fileio::FileFailure::FileNotFound:
            return ErrorCode::FileNotFound;
        case fileio::FileFailure::PathNotFound:
            return ErrorCode::PathNotFound;
        case fileio::FileFailure::PermissionDenied:
            return ErrorCode::PermissionDenied;
        case fileio::FileFailure::NotAFile:
            return ErrorCode::PathFileAccessError;
        case fileio::FileFailure::DiskFull:
            return ErrorCode::DiskFull;
        case fileio::FileFailure::NameTaken:
            return ErrorCode::FileAlreadyExists;
        case fileio::FileFailure::DeviceError:
            break;
    }
    return ErrorCode::DeviceIOError;
}

}  // namespace ledfont
