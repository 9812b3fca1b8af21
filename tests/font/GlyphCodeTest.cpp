#include "font/GlyphCode.h"

#include <gtest/gtest.h>

namespace ledfont {
namespace {

TEST(GlyphCode, CodePointInAHindiFontIndexInAJukta512Font) {
    struct Case {
        FontKind kind;
        int glyph;
        const char* code;
    };
    const Case cases[] = {
        {FontKind::Hindi, 0, "Code: 0900"},     {FontKind::Hindi, 15, "Code: 090F"},
        {FontKind::Hindi, 16, "Code: 0910"},    {FontKind::Hindi, 127, "Code: 097F"},
        {FontKind::Jukta512, 0, "Code: 000"},   {FontKind::Jukta512, 15, "Code: 00F"},
        {FontKind::Jukta512, 16, "Code: 010"},  {FontKind::Jukta512, 255, "Code: 0FF"},
        {FontKind::Jukta512, 256, "Code: 100"}, {FontKind::Jukta512, 511, "Code: 1FF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(glyphCode(c.kind, c.glyph), c.code) << c.glyph;
    }
    EXPECT_THROW(glyphCode(FontKind::Hindi, 128), Error);
    EXPECT_THROW(glyphCode(FontKind::Jukta512, 512), Error);
    EXPECT_THROW(glyphCode(FontKind::Jukta512, -1), Error);
}

}  // namespace
}  // namespace ledfont
