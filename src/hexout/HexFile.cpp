#include "hexout/HexFile.h"

#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/FontPath.h"
#include "font/WriteFile.h"
#include "hexout/HexRecords.h"

namespace ledfont::hexout {

std::string hexFileName(const std::string& fontFile) {
    return fileNameWithExtension(fontFile, "hex");
}

std::string fileNameWithExtension(const std::string& fontFile, std::string_view extension) {
    std::size_t nameStart = fontFile.find_last_of("/\\");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    std::size_t stemStart = fontFile.find_first_not_of('.', nameStart);
    if (stemStart == std::string::npos) {
        // Nothing but dots after the last separator: "", ".", ".." name no file.
        throw Error(ErrorCode::BadFileNameOrNumber, placeOfPath(fontFile));
    }
    std::size_t dot = fontFile.find_last_of('.');
    std::size_t stemEnd = dot == std::string::npos || dot < stemStart ? fontFile.size() : dot;
    return fontFile.substr(0, stemEnd) + "." + std::string(extension);
}

std::filesystem::path writeHexFile(const FontTables& tables, const std::string& hexFile) {
    if (sameFile(tables.FontFile, hexFile)) {
        throw Error(ErrorCode::FileAlreadyExists,
                    placeOfPath(hexFile, "the HEX file would replace the font file"));
    }
    const std::filesystem::path path = pathFromUtf8(hexFile);
    writeFileAtomically(path, buildHexText(tables));
    return path;
}

std::filesystem::path writeHexFile(const FontTables& tables) {
    return writeHexFile(tables, hexFileName(tables.FontFile));
}

}  // namespace ledfont::hexout
