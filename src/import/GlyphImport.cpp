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
constexpr char32_t kKa = 0x0915;

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

std::optional<BaseShape> baseShapeOf(const GlyphImage& image) {
    const std::uint32_t ink = inkColumns(image);
    if (ink == 0) {
        return std::nullopt;
    }
    BaseShape shape;
    for (int r = 1; r < kGlyphRows; ++r) {
        if (std::popcount(image.rows[static_cast<std::size_t>(r)]) >
            std::popcount(image.rows[static_cast<std::size_t>(shape.headline)])) {
            shape.headline = r;
        }
    }
    const int first = std::countr_zero(ink);
    const int width = std::min(static_cast<int>(std::bit_width(ink)) - first, kGlyphColumns);
    shape.middle = first + (width - 1) / 2;
    return shape;
}

Glyph glyphFromImage(const GlyphImage& image, int glyph, std::array<std::uint8_t, kPairBytes> pair,
                     const std::optional<BaseShape>& base) {
    const std::uint32_t ink = inkColumns(image);
    Glyph result;
    result.kind = kindOfGlyph(glyph);
    result.pair = pair;
    if (ink == 0) {
        result.width = kGlyphColumns;
    } else {
        const int first = std::countr_zero(ink);
        const int extent = std::min(static_cast<int>(std::bit_width(ink)) - first, kGlyphColumns);
        result.width = static_cast<std::uint8_t>(extent);
        for (int r = 0; r < kGlyphRows; ++r) {
            const std::uint32_t row = image.rows[static_cast<std::size_t>(r)] >> first;
            for (int c = 0; c < extent; ++c) {
                if ((row >> c) & 1) {
                    result.columns[static_cast<std::size_t>(c)] |= static_cast<std::uint16_t>(1u << r);
                }
            }
        }
        if (base && result.kind == GlyphKind::Ikaar) {
            // The first run of ink on the headline row is the Ikaar's own piece of the headline.
            const std::uint32_t headline = image.rows[static_cast<std::size_t>(base->headline)] >> first;
            if (headline != 0) {
                const int start = std::countr_zero(headline);
                const int end = start + std::countr_one(headline >> start);
                result.width = static_cast<std::uint8_t>(std::min(end, kGlyphColumns));
            }
        }
    }
    // The middle column, (width - 1) div 2, as the record counts centres: from 1, 0 being no centre.
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
    const std::optional<GlyphImage> ka = source.image(std::u32string(1, kKa));
    const std::optional<BaseShape> base = ka ? baseShapeOf(*ka) : std::nullopt;
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
        const Glyph glyph = glyphFromImage(*image, g, old.pair, base);
        setGlyph(tables, g, glyph, false);
        report.imported.push_back(g);
        if (image->cut || (std::bit_width(ink) - std::countr_zero(ink) > kGlyphColumns)) {
            report.cut.push_back(g);
        }
    }
    return report;
}

}  // namespace ledfont::import
