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
// The vowel signs that follow their consonant on the headline: ा ी ॉ ॊ ो ौ.
constexpr char32_t kHeadlineSigns[] = {0x093E, 0x0940, 0x0949, 0x094A, 0x094B, 0x094C};
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

constexpr int kConsonantIndent = 2;
constexpr char32_t kAnchorSigns[] = {0x0941, 0x0947};  // ु below, े above

bool isConsonant(int glyph) {
    return glyph >= kBlockSize || (glyph >= 0x15 && glyph <= 0x39) || (glyph >= 0x58 && glyph <= 0x5F);
}

// Lights the headline rows from column 0 to the glyph's first lit LED on them when that is at most `left`
// columns in, and from its last lit one to column `right` when that is at most kConsonantIndent short.
void joinHeadline(Glyph& glyph, const BaseShape& base, int left, int right) {
    for (int row = base.headline; row < base.headline + base.headlineRows; ++row) {
        const auto bit = static_cast<std::uint16_t>(1u << row);
        int first = -1;
        int last = -1;
        for (int c = 0; c < kGlyphColumns; ++c) {
            if ((glyph.columns[static_cast<std::size_t>(c)] & bit) != 0) {
                first = first < 0 ? c : first;
                last = c;
            }
        }
        if (first < 0) {
            continue;
        }
        for (int c = 0; c < first && first <= left; ++c) {
            glyph.columns[static_cast<std::size_t>(c)] |= bit;
        }
        for (int c = last + 1; c <= right && right - last <= kConsonantIndent; ++c) {
            glyph.columns[static_cast<std::size_t>(c)] |= bit;
        }
    }
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
    const int full = std::popcount(image.rows[static_cast<std::size_t>(shape.headline)]);
    while (shape.headline + shape.headlineRows < kGlyphRows &&
           4 * std::popcount(image.rows[static_cast<std::size_t>(shape.headline + shape.headlineRows)]) >=
               3 * full) {
        ++shape.headlineRows;
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
    const bool onHeadline = base && glyph < kBlockSize &&
                            std::find(std::begin(kHeadlineSigns), std::end(kHeadlineSigns),
                                      kBlockFirst + static_cast<char32_t>(glyph)) != std::end(kHeadlineSigns);
    const int columns = std::min(last - start + 1, kGlyphColumns);
    for (int r = 0; r < kGlyphRows; ++r) {
        const std::uint32_t row = image.rows[static_cast<std::size_t>(r)] >> start;
        for (int c = 0; c < columns; ++c) {
            if ((row >> c) & 1) {
                result.columns[static_cast<std::size_t>(c)] |= static_cast<std::uint16_t>(1u << r);
            }
        }
    }
    if (onHeadline) {
        // The sign's piece of the headline starts where its ink reaching back over the consonant does, so
        // drawn after the consonant it would leave the headline dark up to there: it starts at column 0.
        joinHeadline(result, *base, kGlyphColumns, 0);
    } else if (base && isConsonant(glyph)) {
        // A letter whose body reaches a column or two past its piece of the headline meets its neighbours'
        // under the source's overlapping headlines; on the sign the piece runs to its edges.
        joinHeadline(result, *base, kConsonantIndent, width - 1);
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

std::optional<SignAnchors> signAnchors(const GlyphSource& source, const BaseShape& base) {
    SignAnchors anchors;
    anchors.middle = base.middle;
    for (std::size_t i = 0; i < std::size(kAnchorSigns); ++i) {
        if (const auto image = source.markImage(std::u32string(1, kKa), kAnchorSigns[i])) {
            if (const std::uint32_t ink = inkColumns(*image); ink != 0) {
                anchors.onKa[i] = std::countr_zero(ink);
            }
        }
    }
    if (std::none_of(anchors.onKa.begin(), anchors.onKa.end(), [](const auto& a) { return a.has_value(); })) {
        return std::nullopt;
    }
    return anchors;
}

void placeCentre(Glyph& glyph, const GlyphSource& source, std::u32string_view text, const GlyphImage& image,
                 const SignAnchors& anchors) {
    const std::uint32_t ink = inkColumns(image);
    if (ink == 0) {
        return;
    }
    const int first = std::countr_zero(ink);
    int sum = 0;
    int count = 0;
    for (std::size_t i = 0; i < std::size(kAnchorSigns); ++i) {
        if (!anchors.onKa[i]) {
            continue;
        }
        const auto mark = source.markImage(text, kAnchorSigns[i]);
        const std::uint32_t markInk = mark ? inkColumns(*mark) : 0;
        if (markInk == 0) {
            continue;
        }
        // The sign moves from where it sits on KA by as much as the consonant's anchor lies off KA's middle.
        sum += anchors.middle - *anchors.onKa[i] + std::countr_zero(markInk) - first;
        ++count;
    }
    if (count > 0) {
        const int centre = std::clamp((2 * sum + count) / (2 * count), 0, kGlyphColumns - 2);
        glyph.centre = static_cast<std::uint8_t>(centre + 1);
    }
}

namespace {

// The lit LEDs of a glyph as rows of bits, its column `at` placed on bit kOrigin of each row.
constexpr int kOrigin = 16;
std::array<std::uint64_t, kGlyphRows> placedRows(const Glyph& glyph, int at) {
    std::array<std::uint64_t, kGlyphRows> rows{};
    for (int c = 0; c < kGlyphColumns; ++c) {
        for (int r = 0; r < kGlyphRows; ++r) {
            if (glyph.lit(c, r)) {
                rows[static_cast<std::size_t>(r)] |= std::uint64_t{1} << (kOrigin + at + c);
            }
        }
    }
    return rows;
}

// Whether some LED of `a` is lit on or next to (by side or corner) a lit LED of `b`.
bool touches(const std::array<std::uint64_t, kGlyphRows>& a, const std::array<std::uint64_t, kGlyphRows>& b) {
    for (int r = 0; r < kGlyphRows; ++r) {
        std::uint64_t around = 0;
        for (int n = std::max(0, r - 1); n <= std::min(kGlyphRows - 1, r + 1); ++n) {
            const std::uint64_t row = b[static_cast<std::size_t>(n)];
            around |= row | row << 1 | row >> 1;
        }
        if ((a[static_cast<std::size_t>(r)] & around) != 0) {
            return true;
        }
    }
    return false;
}

// The sign drawn `by` columns further right (left when negative): its centre moved the other way, or where
// that cannot go lower, its ink moved right within the glyph.
std::optional<Glyph> movedBy(const Glyph& sign, int by) {
    Glyph moved = sign;
    const int centre = sign.centre - by;
    if (centre >= 1 && centre < kGlyphColumns) {
        moved.centre = static_cast<std::uint8_t>(centre);
        return moved;
    }
    const auto lastLit =
        std::find_if(sign.columns.rbegin(), sign.columns.rend(), [](auto c) { return c != 0; });
    if (by < 0 || static_cast<int>(sign.columns.rend() - lastLit) + by > kGlyphColumns) {
        return std::nullopt;
    }
    moved.columns.fill(0);
    for (int c = 0; c + by < kGlyphColumns; ++c) {
        moved.columns[static_cast<std::size_t>(c + by)] = sign.columns[static_cast<std::size_t>(c)];
    }
    moved.width = static_cast<std::uint8_t>(std::min<int>(sign.readWidth() + by, kGlyphColumns));
    return moved;
}

int topRow(const Glyph& glyph) {
    std::uint16_t ink = 0;
    for (std::uint16_t c : glyph.columns) {
        ink |= c;
    }
    return ink == 0 ? 0 : std::countr_zero(ink);
}

// The glyph's ink `by` rows lower (higher when negative); unchanged where that would leave the rows.
Glyph movedDown(const Glyph& glyph, int by) {
    std::uint16_t ink = 0;
    for (std::uint16_t c : glyph.columns) {
        ink |= c;
    }
    const int last = static_cast<int>(std::bit_width(ink)) - 1;
    if (by == 0 || ink == 0 || topRow(glyph) + by < 0 || last + by >= kGlyphRows) {
        return glyph;
    }
    Glyph moved = glyph;
    for (std::uint16_t& c : moved.columns) {
        c = static_cast<std::uint16_t>(by > 0 ? c << by : c >> -by);
    }
    return moved;
}

constexpr int kDots[] = {0x01, 0x02};         // ँ ं
constexpr int kUpperVowels[] = {0x47, 0x48};  // े ै, which share their consonant's centre with the dot
constexpr int kFurthestMove = 4;

}  // namespace

void centreSignsOnConsonants(FontTables& tables, const GlyphSource& source) {
    for (int g = 0; g < kBlockSize; ++g) {
        Glyph sign = glyphAt(tables, g);
        const auto first =
            std::find_if(sign.columns.begin(), sign.columns.end(), [](auto c) { return c != 0; });
        if (kindOfGlyph(g) != GlyphKind::Vowel || sign.kind != GlyphKind::Vowel ||
            first == sign.columns.end()) {
            continue;
        }
        const int signFirst = static_cast<int>(first - sign.columns.begin());
        std::vector<int> centres;
        std::vector<int> tops;
        for (int c = 0x15; c <= 0x39; ++c) {
            const std::u32string letter(1, kBlockFirst + static_cast<char32_t>(c));
            const auto alone = source.image(letter);
            const auto placed = source.markImage(letter, kBlockFirst + static_cast<char32_t>(g));
            const std::uint32_t letterInk = alone ? inkColumns(*alone) : 0;
            const std::uint32_t signInk = placed ? inkColumns(*placed) : 0;
            if (letterInk == 0 || signInk == 0 || placed->cut) {
                continue;
            }
            // The composer puts the sign's column 0 at the consonant's centre less the sign's; the source
            // puts its first lit column here, in the consonant's columns.
            const int at = std::countr_zero(signInk) - std::countr_zero(letterInk) - signFirst;
            centres.push_back(glyphAt(tables, c).centre - 1 - at);
            tops.push_back(static_cast<int>(
                std::find_if(placed->rows.begin(), placed->rows.end(), [](auto r) { return r != 0; }) -
                placed->rows.begin()));
        }
        if (centres.empty()) {
            continue;
        }
        std::nth_element(centres.begin(), centres.begin() + static_cast<std::ptrdiff_t>(centres.size() / 2),
                         centres.end());
        const int centre = centres[centres.size() / 2];
        std::nth_element(tops.begin(), tops.begin() + static_cast<std::ptrdiff_t>(tops.size() / 2),
                         tops.end());
        sign = movedDown(sign, tops[tops.size() / 2] - topRow(sign));
        if (centre < 0) {
            if (const std::optional<Glyph> moved = movedBy(sign, -centre)) {
                sign = *moved;
                sign.centre = 1;
            }
        } else {
            sign.centre = static_cast<std::uint8_t>(std::min(centre, kGlyphColumns - 2) + 1);
        }
        setGlyph(tables, g, sign, false);
    }
}

void keepDotsApart(FontTables& tables) {
    for (int dot : kDots) {
        const Glyph sign = glyphAt(tables, dot);
        if (sign.kind != GlyphKind::Vowel ||
            std::all_of(sign.columns.begin(), sign.columns.end(), [](auto c) { return c == 0; })) {
            continue;
        }
        // Both are drawn with their centre on the consonant's, so where one stands from the other is the
        // same on every consonant: the dot goes right, a column at a time, until it touches neither.
        const auto clear = [&tables](const Glyph& candidate) {
            return std::none_of(std::begin(kUpperVowels), std::end(kUpperVowels), [&](int vowel) {
                const Glyph upper = glyphAt(tables, vowel);
                return upper.kind == GlyphKind::Vowel &&
                       touches(placedRows(candidate, -(candidate.centre - 1)),
                               placedRows(upper, -(upper.centre - 1)));
            });
        };
        for (int step = 0; step <= 2 * kFurthestMove; ++step) {
            const int by = step % 2 == 1 ? (step + 1) / 2 : -step / 2;  // 0, 1, -1, 2, -2, ...
            const std::optional<Glyph> moved = movedBy(sign, by);
            if (moved && clear(*moved)) {
                if (by != 0) {
                    setGlyph(tables, dot, *moved, false);
                }
                break;
            }
        }
    }
}

void centreSignsForDots(FontTables& tables, const GlyphSource& source) {
    const Glyph dot = glyphAt(tables, 0x02);
    const auto dotFirst = std::find_if(dot.columns.begin(), dot.columns.end(), [](auto c) { return c != 0; });
    if (dot.kind != GlyphKind::Vowel || dotFirst == dot.columns.end()) {
        return;
    }
    const int dotOffset = (dot.centre - 1) - static_cast<int>(dotFirst - dot.columns.begin());
    for (char32_t sign : kHeadlineSigns) {
        const int g = static_cast<int>(sign - kBlockFirst);
        const std::u32string ka(1, kKa);
        const auto onKa = source.markImage(ka, sign);
        const auto dotOnSign = source.markImage(ka + sign, kBlockFirst + 0x02);
        const std::uint32_t signInk = onKa ? inkColumns(*onKa) : 0;
        const std::uint32_t dotInk = dotOnSign ? inkColumns(*dotOnSign) : 0;
        Glyph glyph = glyphAt(tables, g);
        if (glyph.kind != GlyphKind::Consonant) {
            continue;
        }
        // The dot is centred on the sign, which is the base after its consonant: the centre goes where the
        // source puts the dot's first column, less the dot's own way from its first column to its centre.
        // A source that draws the two as one ligature cannot say; then the centre it has is the start.
        const int centre = signInk == 0 || dotInk == 0
                               ? glyph.centre - 1
                               : std::countr_zero(dotInk) - std::countr_zero(signInk) + dotOffset;
        // Where the source raises the dot over the sign and the font's one dot cannot rise, it moves aside.
        const auto dotAt = [&](int c) { return placedRows(dot, c - (dot.centre - 1)); };
        const auto signRows = placedRows(glyph, 0);
        for (int step = 0; step <= 2 * kFurthestMove; ++step) {
            const int moved = centre + (step % 2 == 1 ? (step + 1) / 2 : -step / 2);
            if (moved >= 0 && moved <= kGlyphColumns - 2 && !touches(dotAt(moved), signRows)) {
                glyph.centre = static_cast<std::uint8_t>(moved + 1);
                setGlyph(tables, g, glyph, false);
                break;
            }
        }
    }
}

ImportReport importGlyphs(FontTables& tables, FontKind kind, const GlyphSource& source,
                          const GlyphSelection& selection) {
    ImportReport report;
    const bool withPair = kind == FontKind::Jukta512;
    const std::optional<GlyphImage> ka = source.image(std::u32string(1, kKa));
    const std::optional<BaseShape> base = ka ? baseShapeOf(*ka) : std::nullopt;
    const std::optional<SignAnchors> anchors = base ? signAnchors(source, *base) : std::nullopt;
    for (int g = 0; g < glyphCount(kind); ++g) {
        const Glyph old = glyphAt(tables, g);
        if (!selected(selection, g) || (selection.onlyEmpty && hasInk(old))) {
            continue;
        }
        const std::array<std::uint8_t, kPairBytes> pair = withPair ? old.pair : std::array<std::uint8_t, 2>{};
        const std::u32string text = glyphText(g, pair);
        // A vowel sign as the source places it on KA, where it can say; else the sign on its own.
        const bool onKa = base && kindOfGlyph(g) == GlyphKind::Vowel;
        std::optional<GlyphImage> image =
            onKa ? source.markImage(std::u32string(1, kKa), text[0]) : std::nullopt;
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
        Glyph glyph = glyphFromImage(*image, g, old.pair,
                                     placed || kindOfGlyph(g) != GlyphKind::Vowel ? base : std::nullopt);
        if (anchors && isConsonant(g)) {
            placeCentre(glyph, source, text, *image, *anchors);
        }
        setGlyph(tables, g, glyph, false);
        report.imported.push_back(g);
        if (image->cut || (std::bit_width(ink) - std::countr_zero(ink) > kGlyphColumns)) {
            report.cut.push_back(g);
        }
    }
    if (anchors) {
        centreSignsOnConsonants(tables, source);
    }
    keepDotsApart(tables);
    centreSignsForDots(tables, source);
    return report;
}

}  // namespace ledfont::import
