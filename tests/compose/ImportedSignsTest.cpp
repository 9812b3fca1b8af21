// Words composed with fonts imported from real sources (Unifont, Noto Sans Devanagari, Lohit Devanagari): the
// signs an import sets must meet their consonants as in the source.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "../import/ImportData.h"
#include "compose/Compose.h"
#include "import/GlyphImport.h"
#include "import/OutlineFont.h"
#include "import/SourceFile.h"

namespace ledfont::compose {
namespace {

constexpr int kKa = 0x15, kI = 0x3F;

struct Source {
    const char* name;
    const char* family;  // nothing for the Unifont file
    const char* package;
};

void PrintTo(const Source& source, std::ostream* out) {
    *out << source.name;
}

class ImportedSigns : public testing::TestWithParam<Source> {
  protected:
    void SetUp() override {
        const Source& s = GetParam();
        const std::string what = std::string(s.name) + " (package " + s.package + ")";
        if (s.family == nullptr) {
            LEDFONT_NEED_IMPORT_DATA(std::filesystem::exists(test::kUnifontHex), what);
            source_ = import::openSourceFile(test::kUnifontHex.string(), 0).source;
        } else {
            if (!import::outlineFontsAvailable()) {
                GTEST_SKIP() << "this build reads no outline fonts";
            }
            bool installed = true;
            try {
                source_ = import::openSystemFont(s.family, 0).source;
            } catch (const import::SourceError&) {
                installed = false;
            }
            LEDFONT_NEED_IMPORT_DATA(installed, what);
        }
        FontTables tables = import::newFont(FontKind::Hindi);
        ASSERT_EQ(import::importGlyphs(tables, FontKind::Hindi, *source_, {}).imported.size(), 128u);
        font_ = std::make_unique<ComposeFont>(tables, FontKind::Hindi);
    }

    // The row with the most lit LEDs of a glyph: its headline.
    int headline(int glyph) const {
        int best = 0;
        int most = -1;
        for (int r = 0; r < kGlyphRows; ++r) {
            int lit = 0;
            for (int c = 0; c < kGlyphColumns; ++c) {
                lit += font_->glyph(glyph).lit(c, r) ? 1 : 0;
            }
            if (lit > most) {
                best = r;
                most = lit;
            }
        }
        return best;
    }

    std::unique_ptr<import::GlyphSource> source_;
    std::unique_ptr<ComposeFont> font_;
};

// KI: the Ikaar stands before KA, and KA's headline goes on from the Ikaar's without a gap, the hook arching
// over KA.
TEST_P(ImportedSigns, TheIkaarJoinsTheHeadlineOfItsConsonant) {
    const Strip strip = composeText(*font_, U"\u0915\u093F");
    ASSERT_EQ(strip.placements.size(), 2u);
    EXPECT_EQ(strip.placements[1], (Placement{kI, 0, 1}));
    const int ka = strip.placements[0].column;
    const int row = headline(kKa);
    for (int c = 0; c < ka + font_->glyph(kKa).shownWidth(); ++c) {
        EXPECT_TRUE(strip.lit(c, row)) << "a gap in the headline (row " << row << ") at column " << c << "\n"
                                       << stripRows(strip);
    }
    EXPECT_GT(font_->litExtent(kI), ka) << "the hook reaches over KA";
}

// The lit LEDs one placement draws on the strip, as (column, row).
std::vector<std::pair<int, int>> ledsOf(const ComposeFont& font, const Placement& p) {
    std::vector<std::pair<int, int>> leds;
    for (int c = 0; c < kGlyphColumns; ++c) {
        for (int r = 0; r < kGlyphRows; ++r) {
            if (font.glyph(p.glyph).lit(c, r)) {
                leds.emplace_back(p.column + c, r);
            }
        }
    }
    return leds;
}

// Every consonant followed by ा ी ो ौ ॉ: the sign's headline starts where the consonant's ends, and ी
// keeps a hook above the headline that tells it from ा.
TEST_P(ImportedSigns, TheHeadlineRunsOnThroughTheSignsAfterAConsonant) {
    const int row = headline(kKa);
    for (int consonant = 0x15; consonant <= 0x39; ++consonant) {
        for (int sign : {0x3E, 0x40, 0x4B, 0x4C, 0x49}) {
            const std::u32string text{kFirstCode + static_cast<char32_t>(consonant),
                                      kFirstCode + static_cast<char32_t>(sign)};
            const Strip strip = composeText(*font_, text);
            ASSERT_EQ(strip.placements.size(), 2u);
            int consonantEnd = -1;
            int signStart = kGlyphColumns * 2;
            for (auto [c, r] : ledsOf(*font_, strip.placements[0])) {
                consonantEnd = r == row ? std::max(consonantEnd, c) : consonantEnd;
            }
            for (auto [c, r] : ledsOf(*font_, strip.placements[1])) {
                signStart = r == row ? std::min(signStart, c) : signStart;
            }
            EXPECT_LE(signStart, consonantEnd + 1)
                << "U+09" << std::hex << consonant << " U+09" << sign << "\n"
                << stripRows(strip);
        }
    }
    bool hook = false;
    for (int c = 0; c < kGlyphColumns; ++c) {
        for (int r = 0; r < row; ++r) {
            hook = hook || (font_->glyph(0x40).lit(c, r) && !font_->glyph(0x3E).lit(c, r));
        }
    }
    EXPECT_TRUE(hook) << "ी has ink above the headline that ा lacks";
}

// ं after े or ै on any consonant light no LED on or next to the matra's, and on its own it stands
// over its consonant: on its columns or the one after them, where the source puts it on some.
TEST_P(ImportedSigns, TheDotsStayApartFromTheUpperSigns) {
    for (int consonant = 0x15; consonant <= 0x39; ++consonant) {
        const char32_t letter = kFirstCode + static_cast<char32_t>(consonant);
        // ँ is wider than a move of a few columns frees in some sources, and they place it right of some
        // consonants themselves; it keeps the source's place where no move frees it.
        for (char32_t dot : {U'\u0902'}) {
            const Strip alone = composeText(*font_, std::u32string{letter, dot});
            const int width = font_->glyph(consonant).shownWidth();
            const auto leds = ledsOf(*font_, alone.placements[1]);
            EXPECT_TRUE(std::any_of(leds.begin(), leds.end(),
                                    [width](auto led) { return led.first >= 0 && led.first <= width; }))
                << "U+09" << std::hex << consonant << " with its dot\n"
                << stripRows(alone);
            for (char32_t upper : {U'\u0947', U'\u0948'}) {
                const Strip strip = composeText(*font_, std::u32string{letter, upper, dot});
                const auto matra = ledsOf(*font_, strip.placements[1]);
                for (auto [c, r] : ledsOf(*font_, strip.placements[2])) {
                    for (auto [mc, mr] : matra) {
                        EXPECT_FALSE(std::abs(c - mc) <= 1 && std::abs(r - mr) <= 1)
                            << "U+09" << std::hex << consonant << " " << static_cast<unsigned>(upper) << "\n"
                            << stripRows(strip);
                    }
                }
            }
        }
    }
}

// The LED columns of an image from its first lit column on, empty columns at the end left off.
std::vector<std::uint16_t> litColumns(const import::GlyphImage& image) {
    std::vector<std::uint16_t> columns(import::kImageColumns);
    for (int r = 0; r < kGlyphRows; ++r) {
        for (int c = 0; c < import::kImageColumns; ++c) {
            if ((image.rows[static_cast<std::size_t>(r)] >> c) & 1u) {
                columns[static_cast<std::size_t>(c)] |= static_cast<std::uint16_t>(1u << r);
            }
        }
    }
    columns.erase(columns.begin(),
                  std::find_if(columns.begin(), columns.end(), [](auto c) { return c != 0; }));
    while (!columns.empty() && columns.back() == 0) {
        columns.pop_back();
    }
    return columns;
}

// A consonant with each vowel sign is drawn as the source draws the two, the sign where the source's own
// shaping (an outline font) or cell (Unifont draws a sign in the cell it shares with its consonant) puts
// it: on most consonants, as a sign has one place for all of them (the dots ं ँ, which may move clear of
// े ै, see above).
TEST_P(ImportedSigns, AVowelSignSitsWhereTheSourcePutsItOnMostConsonants) {
    for (char32_t sign : {U'\u0941', U'\u0942', U'\u0943', U'\u0947', U'\u0948', U'\u094D'}) {
        int alike = 0;
        for (char32_t consonant = U'\u0915'; consonant <= U'\u0939'; ++consonant) {
            const std::u32string letter(1, consonant);
            const std::u32string text = letter + sign;
            std::optional<import::GlyphImage> drawn = source_->image(text);
            if (!drawn) {
                drawn = source_->image(letter);
                const auto alone = source_->image(std::u32string(1, sign));
                ASSERT_TRUE(drawn && alone);
                for (std::size_t r = 0; r < drawn->rows.size(); ++r) {
                    drawn->rows[r] |= alone->rows[r];
                }
            }
            std::vector<std::uint16_t> composed = composeText(*font_, text).columns;
            while (!composed.empty() && composed.back() == 0) {
                composed.pop_back();
            }
            alike += composed == litColumns(*drawn) ? 1 : 0;
        }
        EXPECT_GE(2 * alike, 37) << "U+" << std::hex << static_cast<unsigned>(sign)
                                 << " drawn as the source on " << std::dec << alike << " of 37 consonants";
    }
}

const Source kSources[] = {
    {"Unifont", nullptr, "unifont"},
    {"Noto Sans Devanagari", "Noto Sans Devanagari", "fonts-noto-core"},
    {"Lohit Devanagari", "Lohit Devanagari", "fonts-lohit-deva"},
};

INSTANTIATE_TEST_SUITE_P(Sources, ImportedSigns, testing::ValuesIn(kSources),
                         [](const testing::TestParamInfo<Source>& info) {
                             std::string name = info.param.name;
                             std::erase(name, ' ');
                             return name;
                         });

}  // namespace
}  // namespace ledfont::compose
