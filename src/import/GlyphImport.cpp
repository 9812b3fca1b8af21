#include "import/GlyphImport.h"

#include <algorithm>
#include <bit>

namespace ledfont::import {

namespace {

// The non-spacing marks (Mn) of U+0900-097F.
constexpr std::pair<char32_t, char32_t> kMarkRanges[] = {
    {0x0900, 0x0902}, {0x093A, 0x093A}, {0x093C, 0x093C}, {0x0941, 0x0948},
    {0x094D, 0x094D}, {0x0951, 0x0957}, {0x0962, 0x0963},
};
constexpr char32_t kIkaar = 0x093F;

bool isMark(char32_t code) {
    return std::any_of(std::begin(kMarkRanges), std::end(kMarkRanges),
                       [code](auto range) { return code >= range.first && code <= range.second; });
}

bool selected(const GlyphSelection& selection, int glyph) {
    return selection.ranges.empty() ||
           std::any_of(selection.ranges.begin(), selection.ranges.end(),
                       [glyph](auto range) { return glyph >= range.first && glyph <= range.second; });
}

// The columns of an image that hold ink, as one bit a column.
std::uint32_t inkColumns(const GlyphImage& image) {
    std::uint32_t ink = 0;
    for (std::uint32_t row : image.rows) {
        ink |= row;
    }
    return ink;
}

bool hasInk(const Glyph& glyph) {
    return std::any_of(glyph.columns.begin(), glyph.columns.end(), [](std::uint16_t c) { return c != 0; });
}

}  // namespace

GlyphKind kindOfGlyph(int glyph) {
    if (glyph >= kBlockSize) {
        return GlyphKind::Consonant;
    }
    const char32_t code = kBlockFirst + static_cast<char32_t>(glyph);
    if (code == kIkaar) {
        return GlyphKind::Ikaar;
    }
    return isMark(code) ? GlyphKind::Vowel : GlyphKind::Consonant;
}

Glyph glyphFromImage(const GlyphImage& image, int glyph, std::array<std::uint8_t, kPairBytes> pair) {
    const std::uint32_t ink = inkColumns(image);
    Glyph result;
    result.kind = kindOfGlyph(glyph);
    result.pair = pair;
    if (ink == 0) {
        result.width = kGlyphColumns;
    } else {
        const int first = std::countr_zero(ink);
        const int extent = std::bit_width(ink) - first;
        result.width = static_cast<std::uint8_t>(std::min(extent, kGlyphColumns));
        for (int r = 0; r < kGlyphRows; ++r) {
            const std::uint32_t row = image.rows[static_cast<std::size_t>(r)] >> first;
            for (int c = 0; c < result.width; ++c) {
                if ((row >> c) & 1) {
                    result.columns[static_cast<std::size_t>(c)] |= static_cast<std::uint16_t>(1u << r);
                }
            }
        }
    }
    // The middle lit column, (width - 1) div 2, as the record counts centres: from 1, 0 being no centre.
    result.centre = static_cast<std::uint8_t>((result.width - 1) / 2 + 1);
    return result;
}

FontTables newFont(FontKind kind) {
    FontTables tables;
    tables.JuktaMode = kind == FontKind::Jukta512;
    for (int g = 0; g < glyphCount(kind); ++g) {
        setGlyph(tables, g, glyphFromImage({}, g, {}), true);
    }
    return tables;
}

ImportReport importGlyphs(FontTables& tables, FontKind kind, const GlyphSource& source,
                          const GlyphSelection& selection) {
    ImportReport report;
    const bool withPair = kind == FontKind::Jukta512;
    for (int g = 0; g < glyphCount(kind); ++g) {
        const Glyph old = glyphAt(tables, g);
        if (!selected(selection, g) || (selection.onlyEmpty && hasInk(old))) {
            continue;
        }
        const std::array<std::uint8_t, kPairBytes> pair = withPair ? old.pair : std::array<std::uint8_t, 2>{};
        const std::u32string text = glyphText(g, pair);
        const std::optional<GlyphImage> image = text.empty() ? std::nullopt : source.image(text);
        if (!image) {
            report.missing.push_back(g);
            continue;
        }
        const std::uint32_t ink = inkColumns(*image);
        if (ink == 0) {
            report.empty.push_back(g);
            continue;
        }
        const Glyph glyph = glyphFromImage(*image, g, old.pair);
        setGlyph(tables, g, glyph, false);
        report.imported.push_back(g);
        if (image->cut || (std::bit_width(ink) - std::countr_zero(ink) > kGlyphColumns)) {
            report.cut.push_back(g);
        }
    }
    return report;
}

}  // namespace ledfont::import
