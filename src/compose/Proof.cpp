#include "compose/Proof.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>

namespace ledfont::compose {

namespace {

using Columns = std::vector<std::uint16_t>;

std::uint16_t rowMask(int first, int last) {
    if (last < first) {
        return 0;
    }
    return static_cast<std::uint16_t>(((1u << (last + 1)) - 1) & ~((1u << first) - 1));
}

int ink(std::uint16_t column) {
    return std::popcount(column);
}

// For each sign column, the source column it stands for: an edit distance over the columns' body, where a
// column on one side only costs its ink below the headline, so spacing comes free (also where the headline
// runs through it, which the headline's own check holds) and letters align with letters.
struct Alignment {
    std::vector<int> sourceOf;
    int cost = 0;
};

Alignment align(const Columns& sign, const Columns& source, std::uint16_t body, std::uint16_t headline) {
    const std::uint16_t below = body & static_cast<std::uint16_t>(~headline);
    const auto alone = [below](std::uint16_t column) { return ink(column & below); };
    const std::size_t n = sign.size();
    const std::size_t m = source.size();
    const std::size_t stride = m + 1;
    std::vector<int> cost((n + 1) * stride);
    for (std::size_t i = 1; i <= n; ++i) {
        cost[i * stride] = cost[(i - 1) * stride] + alone(sign[i - 1]);
    }
    for (std::size_t j = 1; j <= m; ++j) {
        cost[j] = cost[j - 1] + alone(source[j - 1]);
    }
    for (std::size_t i = 1; i <= n; ++i) {
        const std::uint16_t s = sign[i - 1] & body;
        for (std::size_t j = 1; j <= m; ++j) {
            const std::uint16_t r = source[j - 1] & body;
            cost[i * stride + j] =
                std::min({cost[(i - 1) * stride + j - 1] + ink(s ^ r), cost[(i - 1) * stride + j] + alone(s),
                          cost[i * stride + j - 1] + alone(r)});
        }
    }
    Alignment result;
    result.cost = cost[n * stride + m];
    result.sourceOf.assign(n, 0);
    std::size_t i = n;
    std::size_t j = m;
    while (i > 0) {
        const std::uint16_t s = sign[i - 1] & body;
        const int here = cost[i * stride + j];
        if (j > 0 && here == cost[(i - 1) * stride + j - 1] + ink(s ^ (source[j - 1] & body))) {
            result.sourceOf[i - 1] = static_cast<int>(j - 1);
            --i;
            --j;
        } else if (j == 0 || here == cost[(i - 1) * stride + j] + alone(s)) {
            // A sign column with no source column of its own stands where the source's next one does.
            result.sourceOf[i - 1] = static_cast<int>(std::min(j, m == 0 ? 0 : m - 1));
            --i;
        } else {
            --j;
        }
    }
    return result;
}

// A dark column of the headline between lit ones is a gap where the source's headline runs on from the
// column before it to the column after it.
bool headlineGap(const Columns& sign, const Columns& source, const Alignment& a, std::uint16_t headline) {
    auto lit = [headline](const Columns& columns, std::size_t c) { return (columns[c] & headline) != 0; };
    std::size_t c = 0;
    while (c < sign.size() && !lit(sign, c)) {
        ++c;
    }
    while (c < sign.size()) {
        std::size_t dark = c + 1;
        while (dark < sign.size() && lit(sign, dark)) {
            ++dark;
        }
        std::size_t next = dark;
        while (next < sign.size() && !lit(sign, next)) {
            ++next;
        }
        if (next == sign.size()) {
            return false;
        }
        const int from = a.sourceOf[dark - 1];
        const int to = a.sourceOf[next];
        bool runsOn = from <= to;
        for (int j = from; j <= to && runsOn; ++j) {
            runsOn = lit(source, static_cast<std::size_t>(j));
        }
        if (runsOn) {
            return true;
        }
        c = next;
    }
    return false;
}

struct Pixel {
    int column;
    int row;
};
using Part = std::vector<Pixel>;

// The connected pieces of ink (lit LEDs touching by side or corner) in the rows of `zone`, the sign's
// columns moved to the source's through `sourceOf` when it is given.
std::vector<Part> partsOf(const Columns& columns, std::uint16_t zone, const std::vector<int>* sourceOf) {
    std::vector<Part> parts;
    std::vector<std::uint16_t> left(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        left[c] = columns[c] & zone;
    }
    for (std::size_t c = 0; c < left.size(); ++c) {
        while (left[c] != 0) {
            Part part;
            std::vector<Pixel> todo{{static_cast<int>(c), std::countr_zero(left[c])}};
            left[c] &= static_cast<std::uint16_t>(~(1u << todo.back().row));
            while (!todo.empty()) {
                const Pixel p = todo.back();
                todo.pop_back();
                part.push_back(p);
                for (int dc = -1; dc <= 1; ++dc) {
                    const int nc = p.column + dc;
                    if (nc < 0 || nc >= static_cast<int>(left.size())) {
                        continue;
                    }
                    for (int dr = -1; dr <= 1; ++dr) {
                        const int nr = p.row + dr;
                        auto& col = left[static_cast<std::size_t>(nc)];
                        if (nr >= 0 && nr < kGlyphRows && (col >> nr & 1u) != 0) {
                            col &= static_cast<std::uint16_t>(~(1u << nr));
                            todo.push_back({nc, nr});
                        }
                    }
                }
            }
            if (sourceOf != nullptr) {
                for (Pixel& p : part) {
                    p.column = (*sourceOf)[static_cast<std::size_t>(p.column)];
                }
            }
            parts.push_back(std::move(part));
        }
    }
    return parts;
}

// Within `shift` columns and rows of each other somewhere.
bool near(const Part& a, const Part& b, int shift) {
    return std::any_of(a.begin(), a.end(), [&b, shift](Pixel p) {
        return std::any_of(b.begin(), b.end(), [p, shift](Pixel q) {
            return std::abs(p.column - q.column) <= shift && std::abs(p.row - q.row) <= shift;
        });
    });
}

struct SignFindings {
    bool lost = false;
    bool misplaced = false;
};

// The signs of one zone: each of the source's pieces needs a piece of the sign near it, no piece of the
// sign may stand where the source has none, and one piece of the sign must not cover two of the source's
// that nothing else covers (a dot run into its matra). Pieces the source lets touch may stay apart.
void compareSigns(const Columns& sign, const Columns& source, const Alignment& a, std::uint16_t zone,
                  int shift, SignFindings& found) {
    const std::vector<Part> ours = partsOf(sign, zone, &a.sourceOf);
    const std::vector<Part> theirs = partsOf(source, zone, nullptr);
    std::vector<std::vector<std::size_t>> nearOurs(theirs.size());
    std::vector<int> nearTheirs(ours.size());
    for (std::size_t t = 0; t < theirs.size(); ++t) {
        for (std::size_t o = 0; o < ours.size(); ++o) {
            if (near(theirs[t], ours[o], shift)) {
                nearOurs[t].push_back(o);
                ++nearTheirs[o];
            }
        }
    }
    std::vector<int> soleCover(ours.size());
    bool unmatched = false;
    for (const auto& covering : nearOurs) {
        unmatched = unmatched || covering.empty();
        if (covering.size() == 1) {
            ++soleCover[covering[0]];
        }
    }
    const bool stray = std::any_of(nearTheirs.begin(), nearTheirs.end(), [](int n) { return n == 0; });
    const bool merged = std::any_of(soleCover.begin(), soleCover.end(), [](int n) { return n > 1; });
    // A source piece with nothing near, while a piece of the sign stands where the source has none, is a
    // sign moved; with nothing astray, it is gone.
    found.misplaced = found.misplaced || stray;
    found.lost = found.lost || merged || (unmatched && !stray);
}

}  // namespace

ReadingRows readingRows(const Glyph& ka) {
    std::array<int, kGlyphRows> count{};
    for (std::uint16_t column : ka.columns) {
        for (int r = 0; r < kGlyphRows; ++r) {
            count[static_cast<std::size_t>(r)] += column >> r & 1;
        }
    }
    ReadingRows rows;
    const auto fullest = std::max_element(count.begin(), count.end());
    if (*fullest == 0) {
        return rows;
    }
    const int headline = static_cast<int>(fullest - count.begin());
    auto full = [&](int r) {
        return r >= 0 && r < kGlyphRows && 4 * count[static_cast<std::size_t>(r)] >= 3 * *fullest;
    };
    rows.headlineFirst = headline;
    rows.headlineLast = headline;
    while (full(rows.headlineFirst - 1)) {
        --rows.headlineFirst;
    }
    while (full(rows.headlineLast + 1)) {
        ++rows.headlineLast;
    }
    int first = kGlyphColumns;
    int last = -1;
    for (int c = 0; c < kGlyphColumns; ++c) {
        if (ka.columns[static_cast<std::size_t>(c)] != 0) {
            first = std::min(first, c);
            last = c;
        }
    }
    rows.signShift = std::max(1, (last - first + 1) / 3);
    rows.bodyLast = headline;
    for (int r = headline; r < kGlyphRows; ++r) {
        if (count[static_cast<std::size_t>(r)] != 0) {
            rows.bodyLast = r;
        }
    }
    return rows;
}

std::string_view mismatchName(Mismatch mismatch) {
    switch (mismatch) {
        case Mismatch::MissingGlyph:
            return "missing glyph";
        case Mismatch::HalantFallback:
            return "halant fallback";
        case Mismatch::StackedConjunct:
            return "conjunct after a conjunct";
        case Mismatch::HeadlineGap:
            return "headline gap";
        case Mismatch::LostSign:
            return "lost sign";
        case Mismatch::MisplacedSign:
            return "misplaced sign";
        case Mismatch::LettersDiffer:
            break;
    }
    return "letters differ";
}

std::vector<Mismatch> comparePictures(const Columns& sign, const Columns& source, const ReadingRows& rows) {
    const std::uint16_t body = rowMask(rows.headlineFirst, rows.bodyLast);
    const std::uint16_t headline = rowMask(rows.headlineFirst, rows.headlineLast);
    const Alignment a = align(sign, source, body, headline);
    std::vector<Mismatch> found;
    if (!sign.empty() && !source.empty() && headlineGap(sign, source, a, headline)) {
        found.push_back(Mismatch::HeadlineGap);
    }
    SignFindings signs;
    if (!sign.empty()) {
        compareSigns(sign, source, a, rowMask(0, rows.headlineFirst - 1), rows.signShift, signs);
        compareSigns(sign, source, a, rowMask(rows.bodyLast + 1, kGlyphRows - 1), rows.signShift, signs);
    } else {
        signs.lost = std::any_of(source.begin(), source.end(), [](std::uint16_t c) { return c != 0; });
    }
    if (signs.lost) {
        found.push_back(Mismatch::LostSign);
    }
    if (signs.misplaced) {
        found.push_back(Mismatch::MisplacedSign);
    }
    // Letters of the same pixels align at little cost; a few LEDs where glyphs meet are spacing.
    int bodyInk = 0;
    for (std::uint16_t c : source) {
        bodyInk += ink(c & body);
    }
    if (a.cost > std::max(4, bodyInk / 8)) {
        found.push_back(Mismatch::LettersDiffer);
    }
    return found;
}

}  // namespace ledfont::compose
