// Words composed with the Devanagari block of the Debian Unifont, as the import seeds a font from it: the
// letters must come out where the sign's rules put them, and read as the words.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "../import/ImportData.h"
#include "compose/Compose.h"
#include "import/GlyphImport.h"
#include "import/UnifontHex.h"

namespace ledfont::compose {
namespace {

constexpr int kTa = 0x24, kDa = 0x26, kNa = 0x28, kMa = 0x2E, kSa = 0x38, kHa = 0x39, kI = 0x3F, kIi = 0x40,
              kE = 0x47, kHalant = 0x4D;

class UnifontWords : public testing::Test {
  protected:
    void SetUp() override {
        LEDFONT_NEED_IMPORT_DATA(std::filesystem::exists(test::kUnifontHex), "Unifont (package unifont)");
        const import::UnifontHexSource unifont = import::UnifontHexSource::fromFile(test::kUnifontHex);
        for (FontKind kind : {FontKind::Hindi, FontKind::Jukta512}) {
            FontTables tables = import::newFont(kind);
            ASSERT_EQ(import::importGlyphs(tables, kind, unifont, {{{0, 127}}, false}).imported.size(), 128u);
            fonts_.emplace_back(tables, kind);
        }
    }

    const ComposeFont& hindi() const { return fonts_[0]; }
    const ComposeFont& jukta() const { return fonts_[1]; }
    int width(int glyph) const { return hindi().glyph(glyph).shownWidth(); }
    int centre(int glyph) const { return centreColumn(hindi().glyph(glyph)); }
    // Where a vowel sign goes over or under a consonant at `base`: centre on centre.
    int onCentre(int vowel, int consonant, int base) const {
        return base + centre(consonant) - centre(vowel);
    }

    // Every lit LED of each placed glyph is on the strip where it was placed, and nothing else is lit.
    void expectDrawnAsPlaced(const Strip& strip) const {
        std::vector<std::uint16_t> columns(static_cast<std::size_t>(strip.width()));
        for (const Placement& p : strip.placements) {
            const Glyph& glyph = hindi().glyph(p.glyph);
            for (int c = 0; c < kGlyphColumns; ++c) {
                const std::uint16_t lit = glyph.columns[static_cast<std::size_t>(c)];
                if (lit == 0) {
                    continue;
                }
                ASSERT_GE(p.column + c, 0) << "glyph " << p.glyph;
                ASSERT_LT(p.column + c, strip.width()) << "glyph " << p.glyph;
                columns[static_cast<std::size_t>(p.column + c)] |= lit;
            }
        }
        EXPECT_EQ(strip.columns, columns);
    }

    // A row lit from column `first` up to `end`: the headline joining the letters of a word.
    static bool headlineRuns(const Strip& strip, int first, int end) {
        for (int row = 0; row < kGlyphRows; ++row) {
            bool whole = true;
            for (int c = first; c < end && whole; ++c) {
                whole = strip.lit(c, row);
            }
            if (whole) {
                return true;
            }
        }
        return false;
    }

    // The columns a vowel sign lights lie within its consonant's.
    void expectWithin(const Strip& strip, int vowel, int consonant) const {
        const auto at = [&](int glyph) {
            for (const Placement& p : strip.placements) {
                if (p.glyph == glyph) {
                    return p.column;
                }
            }
            ADD_FAILURE() << "glyph " << glyph << " not placed";
            return 0;
        };
        EXPECT_GE(at(vowel), at(consonant)) << "glyph " << vowel;
        EXPECT_LE(at(vowel) + hindi().litExtent(vowel), at(consonant) + width(consonant))
            << "glyph " << vowel;
    }

  private:
    std::vector<ComposeFont> fonts_;
};

TEST_F(UnifontWords, NamasteIsItsLettersSideBySideWithTheMarksOnTheirConsonants) {
    const std::u32string namaste = U"\u0928\u092E\u0938\u094D\u0924\u0947";
    const Strip strip = composeText(hindi(), namaste);
    EXPECT_TRUE(strip.missing.empty());
    EXPECT_TRUE(strip.fallbacks.empty());
    // NA MA SA side by side; the halant under SA; TA after SA, in SA's cluster; the E sign over TA.
    const int ma = width(kNa), sa = ma + width(kMa), ta = sa + width(kSa);
    const std::vector<Placement> placed = {
        {kNa, 0, 0},  {kMa, ma, 1},
        {kSa, sa, 2}, {kHalant, onCentre(kHalant, kSa, sa), 3},
        {kTa, ta, 4}, {kE, onCentre(kE, kTa, ta), 5},
    };
    EXPECT_EQ(strip.placements, placed);
    // The marks add no column: the word is as wide as its four letters.
    EXPECT_EQ(strip.width(), ta + width(kTa));
    expectDrawnAsPlaced(strip);
    expectWithin(strip, kHalant, kSa);
    expectWithin(strip, kE, kTa);
    EXPECT_TRUE(headlineRuns(strip, 0, strip.width()));

    // A Jukta512 font from Unifont has no conjuncts: the same word, with the halant counted as a fallback.
    const Strip withoutConjunct = composeText(jukta(), namaste);
    EXPECT_EQ(withoutConjunct.columns, strip.columns);
    EXPECT_EQ(withoutConjunct.fallbacks, std::vector<std::size_t>{3});
}

TEST_F(UnifontWords, HindiHasTheISignBeforeItsConsonant) {
    const std::u32string hindiWord = U"\u0939\u093F\u0928\u094D\u0926\u0940";
    const Strip strip = composeText(hindi(), hindiWord);
    EXPECT_TRUE(strip.missing.empty());
    // The I sign is typed after HA but stands before it, HA moved right by its width; NA DA II follow, the
    // halant under NA.
    const int ha = width(kI), na = ha + width(kHa), da = na + width(kNa), ii = da + width(kDa);
    const std::vector<Placement> placed = {
        {kHa, ha, 0}, {kI, 0, 1},   {kNa, na, 2}, {kHalant, onCentre(kHalant, kNa, na), 3},
        {kDa, da, 4}, {kIi, ii, 5},
    };
    EXPECT_EQ(strip.placements, placed);
    EXPECT_EQ(strip.width(), ii + width(kIi));
    expectDrawnAsPlaced(strip);
    expectWithin(strip, kHalant, kNa);
    // The headline runs on from the I sign's piece of it into HA.
    EXPECT_TRUE(headlineRuns(strip, 0, ii));

    const Strip withoutConjunct = composeText(jukta(), hindiWord);
    EXPECT_EQ(withoutConjunct.columns, strip.columns);
    EXPECT_EQ(withoutConjunct.fallbacks, std::vector<std::size_t>{3});
}

}  // namespace
}  // namespace ledfont::compose
