#include "cli/GlyphCode.h"

#include <cstdio>

namespace ledfont::cli {

std::string glyphCodeText(FontKind kind, int glyph) {
    checkIndex(glyph, glyphCount(kind) - 1);
    constexpr int kHindiBlock = 0x0900;
    char digits[8];
    if (kind == FontKind::Hindi) {
        std::snprintf(digits, sizeof digits, "%04X", kHindiBlock + glyph);
    } else {
        std::snprintf(digits, sizeof digits, "%03X", glyph);
    }
    return std::string("Code: ") + digits;
}

}  // namespace ledfont::cli
