#include "compose/Compose.h"

#include <algorithm>

namespace ledfont::compose {

namespace {

int litExtentOf(const Glyph& glyph) {
    for (int column = kGlyphColumns; column > 0; --column) {
        if (glyph.columns[static_cast<std::size_t>(column - 1)] != 0) {
            return column;
        }
    }
    return 0;
}

// Where the pen, the base and the cluster stand while the text is laid out.
class Layout {
  public:
    Layout(const ComposeFont& font, Strip& strip) : font_(font), strip_(strip) {}

    void space() {
        pen_ += kSpaceColumns;
        base_ = kNone;
    }

    void place(int glyph, std::size_t at, bool afterVirama) {
        const Glyph& shape = font_.glyph(glyph);
        const int width = shape.shownWidth();
        if (base_ != kNone && shape.kind == GlyphKind::Vowel) {
            const Placement& base = strip_.placements[base_];
            const int column = base.column + centreColumn(font_.glyph(base.glyph)) - centreColumn(shape);
            strip_.placements.push_back({glyph, column, at});
            return;
        }
        if (base_ != kNone && shape.kind == GlyphKind::Ikaar) {
            for (std::size_t i = clusterFirst_; i < strip_.placements.size(); ++i) {
                strip_.placements[i].column += width;
            }
            strip_.placements.push_back({glyph, clusterStart_, at});
            pen_ += width;
            return;
        }
        if (base_ == kNone || !afterVirama) {
            clusterStart_ = pen_;
            clusterFirst_ = strip_.placements.size();
        }
        base_ = strip_.placements.size();
        strip_.placements.push_back({glyph, pen_, at});
        pen_ += width;
    }

    int pen() const { return pen_; }

  private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    const ComposeFont& font_;
    Strip& strip_;
    int pen_ = 0;
    std::size_t base_ = kNone;  // placement of the base, kNone when there is none
    int clusterStart_ = 0;
    std::size_t clusterFirst_ = 0;  // the cluster's first placement
};

void draw(const ComposeFont& font, Strip& strip, int pen) {
    int width = pen;
    for (const Placement& p : strip.placements) {
        width = std::max(width, p.column + font.litExtent(p.glyph));
    }
    strip.columns.assign(static_cast<std::size_t>(width), 0);
    for (const Placement& p : strip.placements) {
        const Glyph& shape = font.glyph(p.glyph);
        const int first = std::max(0, -p.column);
        for (int c = first; c < font.litExtent(p.glyph); ++c) {
            strip.columns[static_cast<std::size_t>(p.column + c)] |=
                shape.columns[static_cast<std::size_t>(c)];
        }
    }
}

}  // namespace

ComposeFont::ComposeFont(const FontTables& tables, FontKind kind)
    : kind_(kind), conjuncts_(static_cast<std::size_t>(kCodeGlyphs * kCodeGlyphs), -1) {
    const int count = ledfont::glyphCount(kind);
    glyphs_.reserve(static_cast<std::size_t>(count));
    extents_.reserve(static_cast<std::size_t>(count));
    for (int g = 0; g < count; ++g) {
        glyphs_.push_back(glyphAt(tables, g));
        extents_.push_back(litExtentOf(glyphs_.back()));
    }
    if (kind != FontKind::Jukta512) {
        return;
    }
    for (int g = kFirstConjunct; g < count; ++g) {
        const Glyph& glyph = glyphs_[static_cast<std::size_t>(g)];
        if (!isConjunctGlyph(glyph, g) || glyph.pair[0] >= kCodeGlyphs || glyph.pair[1] >= kCodeGlyphs) {
            continue;
        }
        std::int16_t& slot =
            conjuncts_[static_cast<std::size_t>(glyph.pair[0] * kCodeGlyphs + glyph.pair[1])];
        if (slot < 0) {
            slot = static_cast<std::int16_t>(g);
        }
    }
}

Strip composeText(const ComposeFont& font, std::u32string_view text) {
    Strip strip;
    strip.placements.reserve(text.size());
    Layout layout(font, strip);
    const bool conjuncts = font.kind() == FontKind::Jukta512;
    bool afterVirama = false;  // the code point before was a virama drawn by its own glyph
    std::size_t i = 0;
    while (i < text.size()) {
        const char32_t code = text[i];
        if (code == kSpace) {
            layout.space();
            afterVirama = false;
            ++i;
            continue;
        }
        int glyph = glyphOfCode(code);
        if (glyph < 0) {
            strip.missing.push_back(i);
            afterVirama = false;
            ++i;
            continue;
        }
        std::size_t taken = 1;
        if (conjuncts && i + 2 < text.size() && text[i + 1] == kVirama && glyphOfCode(text[i + 2]) >= 0) {
            const int conjunct = font.conjunct(glyph, glyphOfCode(text[i + 2]));
            if (conjunct >= 0) {
                glyph = conjunct;
                taken = 3;
            } else {
                strip.fallbacks.push_back(i + 1);
            }
        }
        layout.place(glyph, i, afterVirama);
        afterVirama = taken == 1 && code == kVirama;
        i += taken;
    }
    draw(font, strip, layout.pen());
    return strip;
}

std::vector<Placement> emptyGlyphsPlaced(const ComposeFont& font, const Strip& strip) {
    std::vector<Placement> empty;
    std::vector<bool> seen(static_cast<std::size_t>(font.glyphCount()));
    for (const Placement& placed : strip.placements) {
        if (font.litExtent(placed.glyph) == 0 && !seen[static_cast<std::size_t>(placed.glyph)]) {
            seen[static_cast<std::size_t>(placed.glyph)] = true;
            empty.push_back(placed);
        }
    }
    return empty;
}

std::string stripRows(const Strip& strip) {
    std::string rows;
    rows.reserve(static_cast<std::size_t>((strip.width() + 1) * kGlyphRows));
    for (int row = 0; row < kGlyphRows; ++row) {
        for (int column = 0; column < strip.width(); ++column) {
            rows += strip.lit(column, row) ? '#' : '.';
        }
        rows += '\n';
    }
    return rows;
}

}  // namespace ledfont::compose
