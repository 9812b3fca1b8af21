#pragma once

#include <string_view>
#include <vector>

namespace ledfont::compose {

// A two-consonant conjunct and how often a text holds it: its consonants as glyph numbers (code point -
// U+0900), as a conjunct pair names them.
struct ConjunctCount {
    int first = 0;
    int second = 0;
    int count = 0;

    bool operator==(const ConjunctCount&) const = default;
};

// Whether a code point is a Devanagari consonant: क..ह, the nukta forms क़..य़ and the added letters
// ॸ..ॿ (the glottal stop ॽ is none).
bool isConsonant(char32_t code);

// The conjuncts consonant + virama + consonant of `text`, read from left to right as the composer reads
// them when the font has every such pair: a conjunct takes its three code points, so in स्त्र only स्त
// counts and the त्र after it does not, while र्क (reph) counts like any other. A virama at a word's end, or
// before anything but a consonant, makes no conjunct. Most frequent first; a tie in code order.
std::vector<ConjunctCount> countConjuncts(std::u32string_view text);

// The conjuncts to give a font, best first: those of countConjuncts(text), then, as a guess at the ones the
// text happens not to hold, every other pair of a consonant that begins a conjunct in it and one that ends a
// conjunct in it, by the product of how often each does (count 0; a tie in code order).
std::vector<ConjunctCount> rankConjuncts(std::u32string_view text);

// The UTF-8 Hindi text shipped in data/hindi-text.txt, carried in the program; the default conjunct
// frequencies are its counts.
std::string_view shippedHindiText();

}  // namespace ledfont::compose
