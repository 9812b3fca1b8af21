#include "font/GlyphCode.h"

namespace ledfont {

namespace {

// n in upper-case hexadecimal, zero-padded to `digits`.
std::string hexDigits(int n, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0 && n > 0; --i, n /= 16) {
        text[static_cast<std::size_t>(i)] = kDigits[n % 16];
    }
    return text;
}

}  // namespace

std::string glyphCode(FontKind kind, int glyph) {
    checkIndex(glyph, glyphCount(kind) - 1);
    constexpr int kHindiBlock = 0x0900;
    return "Code: " + (kind == FontKind::Hindi ? hexDigits(kHindiBlock + glyph, 4) : hexDigits(glyph, 3));
}

}  // namespace ledfont
