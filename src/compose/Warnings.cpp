#include "compose/Warnings.h"

#include <algorithm>
#include <array>

#include "compose/Compose.h"

namespace ledfont::compose {

namespace {

constexpr int kKindLimit = 2;
constexpr int kPairLimit = 0x7F;

int litExtentOf(const Glyph& glyph) {
    int extent = 0;
    for (int column = 0; column < kGlyphColumns; ++column) {
        if (glyph.columns[static_cast<std::size_t>(column)] != 0) {
            extent = column + 1;
        }
    }
    return extent;
}

void warnAboutRecord(const Glyph& glyph, int g, std::vector<GlyphWarning>& out) {
    if (glyph.width > kGlyphColumns) {
        out.push_back({WarningKind::WidthAbove16, g, glyph.width});
    }
    if (glyph.kindNumber() > kKindLimit) {
        out.push_back({WarningKind::KindAbove2, g, glyph.kindNumber()});
    }
    const int extent = litExtentOf(glyph);
    // An Ikaar's hook reaches over the consonant after it, which the sign draws under the hook on purpose.
    if (extent > glyph.shownWidth() && glyph.kind != GlyphKind::Ikaar) {
        out.push_back({WarningKind::LitRightOfWidth, g, extent});
    }
    if (glyph.centre > glyph.shownWidth()) {
        out.push_back({WarningKind::CentreBeyondWidth, g, glyph.centre});
    }
    if (glyph.kind == GlyphKind::Vowel && glyph.centre == 0) {
        out.push_back({WarningKind::VowelWithoutCentre, g});
    }
}

void warnAboutPair(const std::vector<Glyph>& glyphs, int g, std::vector<std::int16_t>& firstOfPair,
                   std::vector<GlyphWarning>& out) {
    const Glyph& glyph = glyphs[static_cast<std::size_t>(g)];
    if (glyph.pair[0] > kPairLimit || glyph.pair[1] > kPairLimit) {
        out.push_back({WarningKind::PairByteAbove7F, g});
        return;
    }
    if (!isConjunctGlyph(glyph, g)) {
        return;
    }
    for (std::uint8_t named : glyph.pair) {
        if (litExtentOf(glyphs[named]) == 0) {
            out.push_back({WarningKind::PairNamesEmptyGlyph, g, named});
            break;
        }
    }
    std::int16_t& first = firstOfPair[static_cast<std::size_t>(glyph.pair[0] * kCodeGlyphs + glyph.pair[1])];
    if (first >= 0) {
        out.push_back({WarningKind::PairTaken, g, first});
    } else {
        first = static_cast<std::int16_t>(g);
    }
}

}  // namespace

std::vector<GlyphWarning> glyphWarnings(const FontTables& tables, FontKind kind,
                                        const std::vector<int>& uses) {
    const int count = glyphCount(kind);
    std::vector<Glyph> glyphs;
    glyphs.reserve(static_cast<std::size_t>(count));
    for (int g = 0; g < count; ++g) {
        glyphs.push_back(glyphAt(tables, g));
    }
    std::vector<GlyphWarning> warnings;
    std::vector<std::int16_t> firstOfPair(static_cast<std::size_t>(kCodeGlyphs * kCodeGlyphs), -1);
    for (int g = 0; g < count; ++g) {
        const Glyph& glyph = glyphs[static_cast<std::size_t>(g)];
        warnAboutRecord(glyph, g, warnings);
        if (kind == FontKind::Jukta512) {
            warnAboutPair(glyphs, g, firstOfPair, warnings);
        }
        const int used = static_cast<std::size_t>(g) < uses.size() ? uses[static_cast<std::size_t>(g)] : 0;
        if (used > 0 && litExtentOf(glyph) == 0) {
            warnings.push_back({WarningKind::EmptyGlyphUsed, g, used});
        }
    }
    std::stable_sort(warnings.begin(), warnings.end(),
                     [](const GlyphWarning& a, const GlyphWarning& b) { return a.kind < b.kind; });
    return warnings;
}

}  // namespace ledfont::compose
