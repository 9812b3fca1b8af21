#include "compose/CompositionCheck.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <map>
#include <utility>

namespace ledfont::compose {

namespace {

// How a sign should meet its consonant. Each pair is composed as the sign composes it, at a word's start, and
// judged by its LEDs ("touch": a lit LED on or next to one of the other's, diagonals included):
// - every sign: no lit LED left of the strip's first column (it is cut there; inside a word it lands on the
//   letter before), and a sign drawn on its consonant (a Vowel) none right of the consonant's 16 columns;
// - Attach (ा ि ी ो ौ ॉ) touches the consonant or lights its headline (the row it lights most) or a row
//   next to it within a column of its ink; Lower (ु ू ृ) touches the foot of the consonant's stem (see
//   footOf), or the consonant anywhere when it has none;
// - Attach and Lower share no more than the one LED where they join with the consonant below its headline;
// - Over (े ै) and Dot (ं ँ ़) sit over the consonant: the middle column of their ink is one its ink takes;
//   a Dot shares no LED with it and, after an upper sign, does not touch that sign, so it still reads as a
//   dot.
// Free (ः) is only checked for leaving the strip.
enum class Meets { Attach, Lower, Over, Dot, Free };

struct SignRule {
    int glyph;
    Meets meets;
};

constexpr int kJoin = 1;  // the LEDs a sign may share with its consonant where the two join
constexpr int kCandrabindu = 0x01, kAnusvara = 0x02, kNukta = 0x3C;

constexpr SignRule kSigns[] = {
    {0x3E, Meets::Attach},      {0x3F, Meets::Attach}, {0x40, Meets::Attach}, {0x41, Meets::Lower},
    {0x42, Meets::Lower},       {0x43, Meets::Lower},  {0x47, Meets::Over},   {0x48, Meets::Over},
    {0x4B, Meets::Attach},      {0x4C, Meets::Attach}, {0x49, Meets::Attach}, {kAnusvara, Meets::Dot},
    {kCandrabindu, Meets::Dot}, {0x03, Meets::Free},   {kNukta, Meets::Dot},
};
constexpr int kUpperSigns[] = {0x47, 0x48, 0x4B, 0x4C, 0x3F, 0x40, 0x49};
constexpr int kNuktaBases[] = {0x15, 0x16, 0x17, 0x1C, 0x21, 0x22, 0x2B, 0x2F};  // those with a nukta form

// The lit LEDs of one placed glyph, on the strip's columns from a common left edge (left of the strip too).
using Ink = std::vector<std::uint16_t>;

struct Drawn {
    int left = 0;        // the strip column of ink index 0
    int baseColumn = 0;  // the strip column of the consonant's column 0
    Ink baseInk, signInk, upperInk;
};

Ink inkOf(const ComposeFont& font, const Placement* placed, int left, int columns) {
    Ink ink(static_cast<std::size_t>(columns), 0);
    if (placed == nullptr) {
        return ink;
    }
    const Glyph& glyph = font.glyph(placed->glyph);
    for (int c = 0; c < font.litExtent(placed->glyph); ++c) {
        ink[static_cast<std::size_t>(placed->column + c - left)] = glyph.columns[static_cast<std::size_t>(c)];
    }
    return ink;
}

const Placement* placedAt(const Strip& strip, std::size_t at) {
    const auto it = std::find_if(strip.placements.begin(), strip.placements.end(),
                                 [at](const Placement& p) { return p.at == at; });
    return it == strip.placements.end() ? nullptr : &*it;
}

// Composes `text` and takes apart the consonant (its first code point), the sign at `signAt` and the upper
// sign at `upperAt` (none when 0).
Drawn compose(const ComposeFont& font, const std::u32string& text, std::size_t signAt, std::size_t upperAt) {
    const Strip strip = composeText(font, text);
    Drawn drawn;
    int right = 0;
    for (const Placement& p : strip.placements) {
        drawn.left = std::min(drawn.left, p.column);
        right = std::max(right, p.column + kGlyphColumns);
    }
    const int columns = right - drawn.left;
    const Placement* base = placedAt(strip, 0);
    drawn.baseColumn = base->column;
    drawn.baseInk = inkOf(font, base, drawn.left, columns);
    drawn.signInk = inkOf(font, placedAt(strip, signAt), drawn.left, columns);
    drawn.upperInk = inkOf(font, upperAt == 0 ? nullptr : placedAt(strip, upperAt), drawn.left, columns);
    return drawn;
}

// How many LEDs both light below `row`.
int sharedBelow(const Ink& a, const Ink& b, int row) {
    const unsigned below = 0xFFFFu << (row + 1) & 0xFFFFu;
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        count += std::popcount(a[i] & b[i] & below);
    }
    return count;
}

// Whether `a` lights an LED on or next to one `b` lights, diagonals included.
bool touches(const Ink& a, const Ink& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned near = b[i];
        near |= i > 0 ? b[i - 1] : 0u;
        near |= i + 1 < b.size() ? b[i + 1] : 0u;
        near |= near << 1 | near >> 1;
        if ((a[i] & near) != 0) {
            return true;
        }
    }
    return false;
}

// The first and last column with ink; first > last for none.
std::pair<int, int> inkColumns(const Ink& ink) {
    int first = static_cast<int>(ink.size());
    int last = -1;
    for (int i = 0; i < static_cast<int>(ink.size()); ++i) {
        if (ink[static_cast<std::size_t>(i)] != 0) {
            first = std::min(first, i);
            last = i;
        }
    }
    return {first, last};
}

// The row the consonant lights most: its headline.
int headlineOf(const Ink& base) {
    int headline = 0;
    long most = 0;
    for (int row = 0; row < kGlyphRows; ++row) {
        const long lit =
            std::count_if(base.begin(), base.end(), [row](std::uint16_t c) { return (c >> row & 1) != 0; });
        if (lit > most) {
            most = lit;
            headline = row;
        }
    }
    return headline;
}

bool touchesHeadline(const Ink& sign, const Ink& base) {
    const unsigned rows = (7u << headlineOf(base) >> 1) & 0xFFFFu;
    const auto [first, last] = inkColumns(base);
    for (int i = std::max(0, first - 1); i <= std::min(last + 1, static_cast<int>(sign.size()) - 1); ++i) {
        if ((sign[static_cast<std::size_t>(i)] & rows) != 0) {
            return true;
        }
    }
    return false;
}

// Where a lower sign hangs: the foot (lowest LED) of the consonant's stem, the column that lights the most
// rows below the headline, the rightmost of equals, when it lights two thirds of them; without a stem (ट, ड)
// anywhere on the consonant.
Ink footOf(const Ink& base) {
    const int headline = headlineOf(base);
    const unsigned below = 0xFFFFu << (headline + 1) & 0xFFFFu;
    int lowest = headline;
    std::size_t stem = 0;
    int most = 0;
    for (std::size_t i = 0; i < base.size(); ++i) {
        const unsigned body = base[i] & below;
        lowest = std::max(lowest, static_cast<int>(std::bit_width(body)) - 1);
        if (std::popcount(body) >= most && body != 0) {
            most = std::popcount(body);
            stem = i;
        }
    }
    if (most == 0 || 3 * most < 2 * (lowest - headline)) {
        return base;
    }
    Ink foot(base.size(), 0);
    foot[stem] = static_cast<std::uint16_t>(1u << (std::bit_width(static_cast<unsigned>(base[stem])) - 1));
    return foot;
}

bool leavesStrip(const ComposeFont& font, const Drawn& drawn, int sign) {
    const auto [first, last] = inkColumns(drawn.signInk);
    if (drawn.left + first < 0) {
        return true;
    }
    return font.glyph(sign).kind == GlyphKind::Vowel && drawn.left + last >= drawn.baseColumn + kGlyphColumns;
}

class Checker {
  public:
    explicit Checker(const ComposeFont& font) : font_(font) {}

    void pair(const std::u32string& baseText, int base, const SignRule& rule) {
        const Drawn drawn = compose(font_, baseText + codeOf(rule.glyph), baseText.size(), 0);
        const auto add = [&](CompositionProblem problem) {
            found_.push_back({problem, baseText + codeOf(rule.glyph), base, rule.glyph});
        };
        if (leavesStrip(font_, drawn, rule.glyph)) {
            add(CompositionProblem::LeavesStrip);
        }
        const bool meets = rule.meets == Meets::Attach || rule.meets == Meets::Lower;
        if (meets) {
            const bool met = rule.meets == Meets::Lower ? touches(drawn.signInk, footOf(drawn.baseInk))
                                                        : touches(drawn.signInk, drawn.baseInk) ||
                                                              touchesHeadline(drawn.signInk, drawn.baseInk);
            if (!met) {
                add(CompositionProblem::StandsOff);
            }
        } else if (rule.meets != Meets::Free) {
            const auto [first, last] = inkColumns(drawn.signInk);
            const auto [baseFirst, baseLast] = inkColumns(drawn.baseInk);
            const int middle = (first + last) / 2;
            if (middle < baseFirst || middle > baseLast) {
                add(CompositionProblem::StandsOff);
            }
        }
        if ((meets && sharedBelow(drawn.signInk, drawn.baseInk, headlineOf(drawn.baseInk)) > kJoin) ||
            (rule.meets == Meets::Dot && sharedBelow(drawn.signInk, drawn.baseInk, -1) > 0)) {
            add(CompositionProblem::Collides);
        }
    }

    void dotAfterUpper(const std::u32string& baseText, int base, int upper, int dot) {
        const std::u32string text = baseText + codeOf(upper) + codeOf(dot);
        const Drawn drawn = compose(font_, text, baseText.size() + 1, baseText.size());
        if (touches(drawn.signInk, drawn.upperInk)) {
            found_.push_back({CompositionProblem::Collides, text, base, dot, upper});
        }
    }

    bool drawn(int glyph) const { return font_.litExtent(glyph) > 0; }

    std::vector<CompositionFinding> take() {
        const auto order = [](int sign) {
            return std::find_if(std::begin(kSigns), std::end(kSigns),
                                [sign](const SignRule& r) { return r.glyph == sign; }) -
                   std::begin(kSigns);
        };
        std::stable_sort(found_.begin(), found_.end(),
                         [&](const CompositionFinding& a, const CompositionFinding& b) {
                             return std::pair(a.problem, order(a.sign)) < std::pair(b.problem, order(b.sign));
                         });
        return std::move(found_);
    }

  private:
    static char32_t codeOf(int glyph) { return kFirstCode + static_cast<char32_t>(glyph); }

    const ComposeFont& font_;
    std::vector<CompositionFinding> found_;
};

struct Base {
    std::u32string text;
    int glyph;
};

std::vector<Base> basesOf(const ComposeFont& font) {
    std::vector<Base> bases;
    const auto add = [&](int first, int last) {
        for (int g = first; g <= last; ++g) {
            if (font.litExtent(g) > 0) {
                bases.push_back({std::u32string(1, kFirstCode + static_cast<char32_t>(g)), g});
            }
        }
    };
    add(0x15, 0x39);
    add(0x58, 0x5F);
    if (font.kind() != FontKind::Jukta512) {
        return bases;
    }
    for (int g = kFirstConjunct; g < font.glyphCount(); ++g) {
        const Glyph& glyph = font.glyph(g);
        // A pair byte above 7F names no code point; a pair a lower glyph has is never drawn.
        if (!isConjunctGlyph(glyph, g) || glyph.pair[0] >= kCodeGlyphs || glyph.pair[1] >= kCodeGlyphs ||
            font.conjunct(glyph.pair[0], glyph.pair[1]) != g || font.litExtent(g) == 0) {
            continue;
        }
        bases.push_back({{kFirstCode + glyph.pair[0], kVirama, kFirstCode + glyph.pair[1]}, g});
    }
    return bases;
}

WarningKind warningOf(CompositionProblem problem) {
    switch (problem) {
        case CompositionProblem::LeavesStrip:
            return WarningKind::SignLeavesStrip;
        case CompositionProblem::StandsOff:
            return WarningKind::SignStandsOff;
        case CompositionProblem::Collides:
            break;
    }
    return WarningKind::SignCollides;
}

}  // namespace

std::vector<CompositionFinding> compositionFindings(const ComposeFont& font) {
    const std::vector<Base> bases = basesOf(font);
    Checker checker(font);
    for (const SignRule& rule : kSigns) {
        if (!checker.drawn(rule.glyph)) {
            continue;
        }
        for (const Base& base : bases) {
            if (rule.glyph != kNukta || std::find(std::begin(kNuktaBases), std::end(kNuktaBases),
                                                  base.glyph) != std::end(kNuktaBases)) {
                checker.pair(base.text, base.glyph, rule);
            }
        }
    }
    for (const int dot : {kAnusvara, kCandrabindu}) {
        for (const int upper : kUpperSigns) {
            if (!checker.drawn(dot) || !checker.drawn(upper)) {
                continue;
            }
            for (const Base& base : bases) {
                checker.dotAfterUpper(base.text, base.glyph, upper, dot);
            }
        }
    }
    return checker.take();
}

std::vector<GlyphWarning> compositionWarnings(const std::vector<CompositionFinding>& findings) {
    std::map<std::pair<WarningKind, int>, int> pairs;
    for (const CompositionFinding& f : findings) {
        const WarningKind kind = warningOf(f.problem);
        ++pairs[{kind, f.sign}];
        ++pairs[{kind, f.other >= 0 ? f.other : f.base}];
    }
    std::vector<GlyphWarning> warnings;
    for (const auto& [at, count] : pairs) {
        warnings.push_back({at.first, at.second, count});
    }
    return warnings;
}

}  // namespace ledfont::compose
