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
        result.centre = (kGlyphColumns - 1) / 2 + 1;
        return result;
    }
    const int first = std::countr_zero(ink);
    const int last = static_cast<int>(std::bit_width(ink)) - 1;
    int start = first;  // the image column that becomes column 0
    int width = std::min(last - first + 1, kGlyphColumns);
    int centre = (width - 1) / 2;
    if (base && result.kind == GlyphKind::Vowel) {
        // The marker goes where the source puts the base's middle, empty columns before the ink if need be,
        // so the composer sets the sign on any consonant where the source sets it on KA.
        const int from = std::min(first, base->middle);
        const int to = std::max(last, base->middle);
        if (to - from < kGlyphColumns) {
            start = from;
            width = to - from + 1;
            centre = base->middle - from;
        }
    }
    if (base && result.kind == GlyphKind::Ikaar) {
        // The first run of ink on the headline row is the Ikaar's own piece of the headline.
        const std::uint32_t headline = image.rows[static_cast<std::size_t>(base->headline)] >> first;
        if (headline != 0) {
            const int run = std::countr_zero(headline);
            width = std::min(run + std::countr_one(headline >> run), kGlyphColumns);
            centre = (width - 1) / 2;
        }
    }
    const int columns = std::min(last - start + 1, kGlyphColumns);
    for (int r = 0; r < kGlyphRows; ++r) {
        const std::uint32_t row = image.rows[static_cast<std::size_t>(r)] >> start;
        for (int c = 0; c < columns; ++c) {
            if ((row >> c) & 1) {
                result.columns[static_cast<std::size_t>(c)] |= static_cast<std::uint16_t>(1u << r);
            }
        }
    }
    result.width = static_cast<std::uint8_t>(width);
    // The record counts centres from 1, 0 being no centre.
    result.centre = static_cast<std::uint8_t>(centre + 1);
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
        // A vowel sign as the source places it on KA, where it can say; else the sign on its own.
        const bool onKa = base && kindOfGlyph(g) == GlyphKind::Vowel;
        std::optional<GlyphImage> image = onKa ? source.markImage(kKa, text[0]) : std::nullopt;
        bool placed = image.has_value();
        if ((!image || image->cut) && !text.empty()) {
            // A sign that leaves the rows where KA holds it is better whole on its own.
            std::optional<GlyphImage> alone = source.image(text);
            if (!image || (alone && !alone->cut)) {
                image = std::move(alone);
                placed = false;
            }
        }
        if (!image) {
            report.missing.push_back(g);
            continue;
        }
        const std::uint32_t ink = inkColumns(*image);
        if (ink == 0) {
            report.empty.push_back(g);
            continue;
        }
        const Glyph glyph = glyphFromImage(
            *image, g, old.pair, placed || kindOfGlyph(g) != GlyphKind::Vowel ? base : std::nullopt);
        setGlyph(tables, g, glyph, false);
        report.imported.push_back(g);
        if (image->cut || (std::bit_width(ink) - std::countr_zero(ink) > kGlyphColumns)) {
            report.cut.push_back(g);
        }
    }
    return report;
}

}  // namespace ledfont::import
