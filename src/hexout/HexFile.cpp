#include "hexout/HexFile.h"

#include <string_view>
#include <system_error>
#include <utility>

#include "font/AtomicFile.h"
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
    writeFileAtomically(hexFile, buildHexText(tables));
    return hexFile;
}

}  // namespace ledfont::hexout
