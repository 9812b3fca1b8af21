#include "font/GlyphCode.h"

#include "font/TextToByte.h"

namespace ledfont {

std::string glyphCode(FontKind kind, int glyph) {
    checkIndex(glyph, glyphCount(kind) - 1);
    constexpr int kHindiBlock = 0x0900;
    return "Code: " + (kind == FontKind::Hindi ? hexText(static_cast<unsigned long>(kHindiBlock + glyph), 4)
                                               : hexText(static_cast<unsigned long>(glyph), 3));
}

}  // namespace ledfont
