#include "import/TextLines.h"

#include <algorithm>
#include <iterator>
#include <sstream>

#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/InputFile.h"
#include "font/TextToByte.h"

namespace ledfont::import {

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        words.push_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

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
