// The Unifont .hex reader on arbitrary bytes: it accepts exactly the texts whose every non-empty line is
// CODEPOINT:DIGITS with a new code point up to U+10FFFF and 32 or 64 digits, rejects the rest naming the
// first bad line, and gives the block's glyphs the pixels the digits spell.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzModel.h"
#include "import/UnifontHex.h"

namespace ledfont::fuzz {
namespace {

int digit(char c) {
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

bool allDigits(std::string_view text) {
    for (char c : text) {
        if (digit(c) < 0) {
            return false;
        }
    }
    return true;
}

struct Expected {
    long badLine = 0;                                   // 0: accepted
    std::array<std::optional<std::string>, 128> block;  // the digits of each glyph of the block
};

Expected expectedRead(std::string_view text) {
    Expected e;
    std::set<unsigned long> seen;
    long number = 0;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
        ++number;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        const std::size_t colon = line.find(':');
        const std::string_view code = line.substr(0, colon == std::string_view::npos ? 0 : colon);
        const std::string_view bits = colon == std::string_view::npos ? "" : line.substr(colon + 1);
        const bool good = colon != std::string_view::npos && !code.empty() && code.size() <= 6 &&
                          allDigits(code) && std::stoul(std::string(code), nullptr, 16) <= 0x10FFFF &&
                          (bits.size() == 32 || bits.size() == 64) && allDigits(bits);
        if (!good || !seen.insert(std::stoul(std::string(code), nullptr, 16)).second) {
            e.badLine = number;
            return e;
        }
        const unsigned long value = std::stoul(std::string(code), nullptr, 16);
        if (value >= 0x900 && value < 0x980) {
            e.block[value - 0x900] = std::string(bits);
        }
    }
    return e;
}

bool pixel(const std::string& bits, int row, int column) {
    const int perRow = static_cast<int>(bits.size()) / 16;
    if (column >= perRow * 4) {
        return false;
    }
    return ((digit(bits[static_cast<std::size_t>(row * perRow + column / 4)]) >> (3 - column % 4)) & 1) != 0;
}

}  // namespace
}  // namespace ledfont::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ledfont;
    using namespace ledfont::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Expected expected = expectedRead(text);
    std::optional<import::UnifontHexSource> source;
    long line = 0;
    try {
        source.emplace(text);
    } catch (const import::SourceError& e) {
        line = e.line();
    }
    check(source.has_value() == (expected.badLine == 0),
          source ? "accepted a bad .hex text" : "rejected a good .hex text");
    if (!source) {
        check(line == expected.badLine, "fault reported on the wrong line");
        return 0;
    }
    for (int g = 0; g < 128; ++g) {
        const char32_t code = 0x900 + static_cast<char32_t>(g);
        const std::optional<import::GlyphImage> image = source->image(std::u32string_view(&code, 1));
        const auto& bits = expected.block[static_cast<std::size_t>(g)];
        check(image.has_value() == bits.has_value(), "a glyph of the block is there or not against the text");
        if (!image) {
            continue;
        }
        check(!image->cut, "a .hex glyph was cut");
        for (int r = 0; r < 16; ++r) {
            for (int c = 0; c < 32; ++c) {
                check(((image->rows[static_cast<std::size_t>(r)] >> c) & 1) == (pixel(*bits, r, c) ? 1u : 0u),
                      "a pixel differs from the digits");
            }
        }
    }
    return 0;
}
