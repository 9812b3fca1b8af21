#include "hexout/HexFile.h"

#include <cerrno>
#include <cstdio>
#include <string_view>
#include <system_error>
#include <utility>

#include "font/Error.h"
#include "hexout/HexRecords.h"

namespace ledfont::hexout {

namespace {

namespace fs = std::filesystem;

Error errorAt(ErrorCode code, std::string path, std::string note = {}) {
    ErrorPlace place;
    place.path = std::move(path);
    place.note = std::move(note);
    return Error(code, std::move(place));
}

// A stdio call may fail without setting errno; that still is a failure.
Error fileError(int err, const fs::path& path) {
    return errorAt(errorFromErrno(err), path.string());
}

int lastError() {
    return errno != 0 ? errno : EIO;
}

// TODO(merge): use writeFileAtomically
void writeWholeFile(const fs::path& target, std::string_view text) {
    fs::path temp = target;
    temp += ".tmp";
    errno = 0;
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (file == nullptr) {
        throw fileError(lastError(), target);
    }
    int err = 0;
    if (std::fwrite(text.data(), 1, text.size(), file) != text.size()) {
        err = lastError();
    }
    if (std::fclose(file) != 0 && err == 0) {
        err = lastError();
    }
    std::error_code ec;
    if (err == 0) {
        fs::rename(temp, target, ec);
        err = ec.value();
    }
    if (err != 0) {
        fs::remove(temp, ec);
        throw fileError(err, target);
    }
}

// A HEX name that reaches the font file another way (a case-insensitive file system, a link) counts as
// the font file too.
bool sameFile(const std::string& fontFile, const std::string& hexFile) {
    std::error_code ec;
    return fontFile == hexFile || fs::equivalent(fontFile, hexFile, ec);
}

}  // namespace

std::string hexFileName(const std::string& fontFile) {
    std::size_t nameStart = fontFile.find_last_of("/\\");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    std::size_t stemStart = fontFile.find_first_not_of('.', nameStart);
    if (stemStart == std::string::npos) {
        // Nothing but dots after the last separator: "", ".", ".." name no file.
        throw errorAt(ErrorCode::BadFileNameOrNumber, fontFile);
    }
    std::size_t dot = fontFile.find_last_of('.');
    std::size_t stemEnd = dot == std::string::npos || dot < stemStart ? fontFile.size() : dot;
    return fontFile.substr(0, stemEnd) + ".hex";
}

fs::path writeHexFile(FontTables& tables) {
    std::string hexFile = hexFileName(tables.FontFile);
    if (sameFile(tables.FontFile, hexFile)) {
        throw errorAt(ErrorCode::FileAlreadyExists, hexFile, "the HEX file would replace the font file");
    }
    writeWholeFile(hexFile, buildHexText(tables));
    return hexFile;
}

}  // namespace ledfont::hexout
