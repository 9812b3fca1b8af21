#include "import/ConjunctFill.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <set>

namespace ledfont::import {

namespace {

constexpr int kFirstConjunct = 128;
constexpr int kJuktaGlyphs = 512;
constexpr char32_t kKa = 0x0915;

bool inRanges(const GlyphSelection& selection, int glyph) {
    return selection.ranges.empty() ||
           std::any_of(selection.ranges.begin(), selection.ranges.end(),
                       [glyph](auto range) { return glyph >= range.first && glyph <= range.second; });
}

bool hasInk(const Glyph& glyph) {
    return std::any_of(glyph.columns.begin(), glyph.columns.end(), [](std::uint16_t c) { return c != 0; });
}

bool isFillable(const FontTables& tables, int glyph, const GlyphSelection& selection, ConjunctSlots mode) {
    const Glyph old = glyphAt(tables, glyph);
    return inRanges(selection, glyph) && !(selection.onlyEmpty && hasInk(old)) &&
           (mode == ConjunctSlots::All || old.pair == ConjunctPair{});
}

// The columns from the first to the last that hold ink; 0 for none.
int inkWidth(const GlyphImage& image) {
    std::uint32_t ink = 0;
    for (std::uint32_t row : image.rows) {
        ink |= row;
    }
    return ink == 0 ? 0 : static_cast<int>(std::bit_width(ink)) - std::countr_zero(ink);
}

// The selection restricted to glyphs 0..127, or nothing when it holds none of them.
std::optional<GlyphSelection> blockOnly(const GlyphSelection& selection) {
    GlyphSelection block{{}, selection.onlyEmpty};
    if (selection.ranges.empty()) {
        block.ranges.emplace_back(0, kFirstConjunct - 1);
    }
    for (const auto& [first, last] : selection.ranges) {
        if (first < kFirstConjunct) {
            block.ranges.emplace_back(first, std::min(last, kFirstConjunct - 1));
        }
    }
    return block.ranges.empty() ? std::nullopt : std::optional(block);
}

std::vector<int> without(const std::vector<int>& glyphs, const std::vector<int>& removed) {
    std::vector<int> kept;
    std::set_difference(glyphs.begin(), glyphs.end(), removed.begin(), removed.end(),
                        std::back_inserter(kept));
    return kept;
}

std::vector<int> joined(const std::vector<int>& a, const std::vector<int>& b) {
    std::vector<int> all;
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(all));
    return all;
}

}  // namespace

ConjunctReport fillConjuncts(FontTables& tables, const GlyphSource& source,
                             std::span<const ConjunctPair> ranked, const GlyphSelection& selection,
                             ConjunctSlots mode) {
    ConjunctReport report;
    if (mode == ConjunctSlots::None) {
        return report;
    }
    std::set<ConjunctPair> held;
    for (int g = kFirstConjunct; g < kJuktaGlyphs; ++g) {
        if (isFillable(tables, g, selection, mode)) {
            report.fillable.push_back(g);
        } else if (const ConjunctPair pair = glyphAt(tables, g).pair; pair != ConjunctPair{}) {
            held.insert(pair);
        }
    }
    const std::optional<GlyphImage> ka = source.image(std::u32string(1, kKa));
    const std::optional<BaseShape> base = ka ? baseShapeOf(*ka) : std::nullopt;
    const std::optional<SignAnchors> anchors = base ? signAnchors(source, *base) : std::nullopt;
    auto next = ranked.begin();
    for (const int g : report.fillable) {
        for (; next != ranked.end(); ++next) {
            if (*next == ConjunctPair{} || !held.insert(*next).second) {
                continue;
            }
            const std::u32string text = glyphText(g, *next);
            const std::optional<GlyphImage> image = source.image(text);
            const int width = image ? inkWidth(*image) : 0;
            if (width > kGlyphColumns) {
                report.tooWide.push_back(*next);
            } else if (width == 0) {
                ++report.lacking;
            }
            if (width > 0 && width <= kGlyphColumns) {
                Glyph glyph = glyphFromImage(*image, g, *next, base);
                if (anchors) {
                    placeCentre(glyph, source, text, *image, *anchors);
                }
                setGlyph(tables, g, glyph, true);
                report.filled.push_back(g);
                if (image->cut) {
                    report.cut.push_back(g);
                }
                ++next;
                break;
            }
        }
        if (report.filled.empty() || report.filled.back() != g) {
            if (mode == ConjunctSlots::All) {
                // A refill leaves no old pair behind: it might name a conjunct another glyph now holds.
                setGlyph(tables, g, glyphFromImage({}, g, {}), true);
                report.cleared.push_back(g);
            }
        }
    }
    return report;
}

FontImportReport importFont(FontTables& tables, FontKind kind, const GlyphSource& source,
                            const GlyphSelection& selection, std::span<const ConjunctPair> ranked,
                            ConjunctSlots mode) {
    FontImportReport report;
    if (kind != FontKind::Jukta512 || mode == ConjunctSlots::None) {
        report.glyphs = importGlyphs(tables, kind, source, selection);
        return report;
    }
    if (mode == ConjunctSlots::All) {
        if (const std::optional<GlyphSelection> block = blockOnly(selection)) {
            report.glyphs = importGlyphs(tables, kind, source, *block);
        }
    } else {
        report.glyphs = importGlyphs(tables, kind, source, selection);
    }
    report.conjuncts = fillConjuncts(tables, source, ranked, selection, mode);
    ImportReport& glyphs = report.glyphs;
    glyphs.missing = without(glyphs.missing, report.conjuncts.fillable);
    glyphs.imported = joined(glyphs.imported, report.conjuncts.filled);
    glyphs.cut = joined(glyphs.cut, report.conjuncts.cut);
    return report;
}

}  // namespace ledfont::import
