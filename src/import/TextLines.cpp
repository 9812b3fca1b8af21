#include "import/TextLines.h"

#include <iterator>
#include <sstream>

#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/InputFile.h"
#include "font/TextToByte.h"

namespace ledfont::import {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::string shownChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u > 0x20 && u < 0x7F) {
        return std::string("'") + c + "'";
    }
    return "(byte " + byteToHexText(u) + ")";
}

std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream in = openInputFile(path);
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        throw Error(ErrorCode::DeviceIOError, placeOfPath(utf8FromPath(path)));
    }
    return std::move(text).str();
}

}  // namespace ledfont::import
