#include "import/GlyphSource.h"

#include "font/Error.h"

namespace ledfont::import {

namespace {

std::string compose(long line, const std::string& fault, const std::string& path) {
    std::string where = displayPath(path);
    if (line > 0) {
        where += (where.empty() ? "line " : ", line ") + std::to_string(line);
    }
    return where.empty() ? fault : where + ": " + fault;
}

}  // namespace

SourceError::SourceError(long line, const std::string& fault, const std::string& path)
    : std::runtime_error(compose(line, fault, path)), line_(line), fault_(fault) {}

std::u32string glyphText(int glyph, std::array<std::uint8_t, kPairBytes> pair) {
    if (glyph < kBlockSize) {
        return std::u32string(1, kBlockFirst + static_cast<char32_t>(glyph));
    }
    if (pair[0] == 0 && pair[1] == 0) {
        return {};
    }
    return {kBlockFirst + pair[0], kVirama, kBlockFirst + pair[1]};
}

}  // namespace ledfont::import
