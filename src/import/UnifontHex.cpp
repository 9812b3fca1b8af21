#include "import/UnifontHex.h"

#include <sstream>
#include <string>
#include <vector>

#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/FontPath.h"
#include "font/InputFile.h"
#include "font/TextToByte.h"
#include "import/BlockSource.h"
#include "import/TextLines.h"

namespace ledfont::import {

namespace {

constexpr char32_t kLastCode = 0x10FFFF;
constexpr std::size_t kNarrowDigits = 32;
constexpr std::size_t kWideDigits = 64;

// Checks one line and gives its code point and image.
char32_t readLine(std::string_view line, long number, GlyphImage& image) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
        throw SourceError(number, "expected CODEPOINT:DIGITS, found \"" + displayValue(line) + "\"");
    }
    const std::string_view codeText = line.substr(0, colon);
    if (codeText.empty() || codeText.size() > 6) {
        throw SourceError(number,
                          "the code point \"" + displayValue(codeText) + "\" is not 1 to 6 hex digits");
    }
    char32_t code = 0;
    for (char c : codeText) {
        const int d = hexDigit(c);
        if (d < 0) {
            throw SourceError(number, shownChar(c) + " in the code point is not a hex digit");
        }
        code = code * 16 + static_cast<char32_t>(d);
    }
    if (code > kLastCode) {
        throw SourceError(number, "the code point " + std::string(codeText) + " is past U+10FFFF");
    }
    const std::string_view digits = line.substr(colon + 1);
    if (digits.size() != kNarrowDigits && digits.size() != kWideDigits) {
        throw SourceError(number, codePointName(code) + " has " + std::to_string(digits.size()) +
                                      " digits, expected 32 (8x16) or 64 (16x16)");
    }
    const std::size_t perRow = digits.size() / kGlyphRows;
    const int columns = static_cast<int>(perRow * 4);
    for (std::size_t r = 0; r < kGlyphRows; ++r) {
        std::uint32_t bits = 0;
        for (std::size_t i = 0; i < perRow; ++i) {
            const char c = digits[r * perRow + i];
            const int d = hexDigit(c);
            if (d < 0) {
                throw SourceError(number, shownChar(c) + " in the bitmap of " + codePointName(code) +
                                              " is not a hex digit");
            }
            bits = bits << 4 | static_cast<std::uint32_t>(d);
        }
        // The highest bit is the leftmost pixel, column 0.
        std::uint32_t row = 0;
        for (int c = 0; c < columns; ++c) {
            row |= ((bits >> (columns - 1 - c)) & 1u) << c;
        }
        image.rows[r] = row;
    }
    return code;
}

}  // namespace

UnifontHexSource::UnifontHexSource(std::istream& in) {
    std::vector<bool> seen(kLastCode + 1);
    TextLines lines(in);
    std::string_view line;
    while (lines.next(line)) {
        if (line.empty()) {
            continue;
        }
        GlyphImage image;
        const char32_t code = readLine(line, lines.number(), image);
        if (seen[code]) {
            throw SourceError(lines.number(), codePointName(code) + " is given a second time");
        }
        seen[code] = true;
        if (code >= kBlockFirst && code < kBlockFirst + kBlockSize) {
            block_[code - kBlockFirst] = image;
        }
    }
}

UnifontHexSource::UnifontHexSource(std::string_view text)
    : UnifontHexSource(readSourceText<UnifontHexSource>(text)) {}

UnifontHexSource UnifontHexSource::fromFile(const std::filesystem::path& path) {
    return readSourceFile<UnifontHexSource>(path);
}

}  // namespace ledfont::import
