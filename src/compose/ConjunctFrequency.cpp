#include "compose/ConjunctFrequency.h"

#include <algorithm>
#include <array>

#include "compose/Compose.h"

namespace ledfont::compose {

bool isConsonant(char32_t code) {
    return (code >= 0x0915 && code <= 0x0939) || (code >= 0x0958 && code <= 0x095F) ||
           (code >= 0x0978 && code <= 0x097F && code != 0x097D);
}

std::vector<ConjunctCount> countConjuncts(std::u32string_view text) {
    std::array<int, kCodeGlyphs * kCodeGlyphs> counts{};
    for (std::size_t i = 0; i + 2 < text.size();) {
        if (isConsonant(text[i]) && text[i + 1] == kVirama && isConsonant(text[i + 2])) {
            ++counts[static_cast<std::size_t>(glyphOfCode(text[i]) * kCodeGlyphs + glyphOfCode(text[i + 2]))];
            i += 3;
        } else {
            ++i;
        }
    }
    std::vector<ConjunctCount> ranked;
    for (int pair = 0; pair < kCodeGlyphs * kCodeGlyphs; ++pair) {
        if (const int count = counts[static_cast<std::size_t>(pair)]; count > 0) {
            ranked.push_back({pair / kCodeGlyphs, pair % kCodeGlyphs, count});
        }
    }
    // Pairs were gathered in code order, which a stable sort keeps among equal counts.
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const ConjunctCount& a, const ConjunctCount& b) { return a.count > b.count; });
    return ranked;
}

std::vector<ConjunctCount> rankConjuncts(std::u32string_view text) {
    std::vector<ConjunctCount> ranked = countConjuncts(text);
    std::array<long, kCodeGlyphs> begins{};
    std::array<long, kCodeGlyphs> ends{};
    std::array<bool, kCodeGlyphs * kCodeGlyphs> counted{};
    for (const ConjunctCount& c : ranked) {
        begins[static_cast<std::size_t>(c.first)] += c.count;
        ends[static_cast<std::size_t>(c.second)] += c.count;
        counted[static_cast<std::size_t>(c.first * kCodeGlyphs + c.second)] = true;
    }
    struct Guess {
        long weight;
        int first;
        int second;
    };
    std::vector<Guess> guesses;
    for (int first = 0; first < kCodeGlyphs; ++first) {
        for (int second = 0; second < kCodeGlyphs; ++second) {
            const long weight =
                begins[static_cast<std::size_t>(first)] * ends[static_cast<std::size_t>(second)];
            if (weight > 0 && !counted[static_cast<std::size_t>(first * kCodeGlyphs + second)]) {
                guesses.push_back({weight, first, second});
            }
        }
    }
    std::stable_sort(guesses.begin(), guesses.end(),
                     [](const Guess& a, const Guess& b) { return a.weight > b.weight; });
    for (const Guess& g : guesses) {
        ranked.push_back({g.first, g.second, 0});
    }
    return ranked;
}

}  // namespace ledfont::compose
