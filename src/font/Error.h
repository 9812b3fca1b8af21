#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ledfont {

namespace fileio {
enum class FileFailure : std::uint8_t;
}

// The run-time errors the program reports, numbered as the classic BASIC runtime numbered them, so that
// the texts users see are the conventional ones.
enum class ErrorCode : std::uint16_t {
    Overflow = 6,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    BadFileNameOrNumber = 52,
    FileNotFound = 53,
    DeviceIOError = 57,
    FileAlreadyExists = 58,
    DiskFull = 61,
    InputPastEndOfFile = 62,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
};

std::string_view describe(ErrorCode code);

// Where an error happened; every part is optional. `line` counts from 1, 0 means unknown.
struct ErrorPlace {
    std::string path;
    long line = 0;
    std::string value;  // the offending field's text, shortened for display
    bool hasValue = false;
    std::string note;  // a short explanation put after the rest, in parentheses
};

// An error carries its code and where it happened; what() gives "Description: path, line N, value "x"".
class Error : public std::runtime_error {
  public:
    explicit Error(ErrorCode code, ErrorPlace place = {});

    ErrorCode code() const { return code_; }
    const ErrorPlace& place() const { return place_; }

    // The same error with the path filled in (keeps line and value).
    Error withPath(std::string path) const;

  private:
    static std::string compose(ErrorCode code, const ErrorPlace& place);

    ErrorCode code_;
    ErrorPlace place_;
};

// Throws Error(code). Out of line and [[noreturn]], so an inline bounds check that calls it stays small
// enough to inline, and the compiler sees that an index past the check is in bounds.
[[noreturn]] void throwError(ErrorCode code);

// Makes the value text shown in messages: long fields are cut and control bytes escaped, so a message
// about a garbage file stays one readable line.
std::string displayValue(std::string_view text);

// Makes a path as shown in messages: control bytes are escaped as values escape them, so a file name holding
// a line end or a terminal escape sequence can neither break a one-line message nor reach the terminal.
// Nothing is cut and nothing else escaped, so an ordinary path reads as it is spelt.
std::string displayPath(std::string_view path);

// Maps an errno value from opening, reading or writing a file to the matching error code.
ErrorCode errorFromErrno(int err);

// The error code of a failure of fileio's writer.
ErrorCode errorFromFileFailure(fileio::FileFailure failure);

}  // namespace ledfont
