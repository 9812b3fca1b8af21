#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "compose/ConjunctFrequency.h"
#include "compose/Utf8.h"

namespace ledfont::compose {
namespace {

TEST(CountConjuncts, ReadsThemAsTheComposerDoes) {
    struct Case {
        const char* text;
        std::vector<ConjunctCount> expected;
    };
    const std::vector<Case> cases = {
        {"", {}},
        // न्द, स्त twice: most frequent first.
        {"हिन्दी मस्त स्तर", {{0x38, 0x24, 2}, {0x28, 0x26, 1}}},
        // Reph is र + virama + consonant like any other pair.
        {"कर्म धर्म", {{0x30, 0x2E, 2}}},
        // A virama at a word's end, before a space, a vowel sign or ZWJ makes none.
        {"क् ख्ा ग्\u200Dघ च्", {}},
        // A conjunct after a conjunct: स्त takes its three, and त्र after it is not read as one.
        {"अस्त्र", {{0x38, 0x24, 1}}},
        // ...but a lone त्र is; a tie goes in code order (क्ष before त्र). The nukta letter ज़ is a consonant;
        // ज with a separate nukta is not, as the composer reads the nukta, not ज, before the virama.
        {"त्र क्ष \u095B्य ज\u093C्य", {{0x15, 0x37, 1}, {0x24, 0x30, 1}, {0x5B, 0x2F, 1}}},
        // A vowel letter or a sign before the virama is no consonant.
        {"अ्क का्क", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(countConjuncts(decodeUtf8(c.text)), c.expected) << c.text;
    }
}

TEST(RankConjuncts, GuessesFromTheLettersAfterTheCountedOnes) {
    // Counted: स्त 2, न्द 1. Begins: स 2, न 1; ends: त 2, द 1. Guesses स्द (2) then न्त (2), a tie in code order.
    const std::vector<ConjunctCount> expected = {
        {0x38, 0x24, 2}, {0x28, 0x26, 1}, {0x28, 0x24, 0}, {0x38, 0x26, 0}};
    EXPECT_EQ(rankConjuncts(decodeUtf8("मस्त स्तर हिन्दी")), expected);
}

TEST(ShippedHindiText, IsTheFileInData) {
    std::ifstream in(LEDFONT_HINDI_TEXT, std::ios::binary);
    ASSERT_TRUE(in) << LEDFONT_HINDI_TEXT;
    const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(shippedHindiText(), file);
    EXPECT_GT(countConjuncts(decodeUtf8(shippedHindiText())).size(), 50u);
}

}  // namespace
}  // namespace ledfont::compose
