// The proof of a seeded font against its source: `ledfont check --text --against` on the first 500 words
// of the shipped Hindi text, with a Jukta512 font imported from Noto Sans Devanagari with all its conjuncts;
// finding the source's size and drawing every word included.
#include <benchmark/benchmark.h>

#include "cli/SourceProof.h"
#include "compose/ConjunctFrequency.h"
#include "compose/Utf8.h"
#include "import/ConjunctFill.h"
#include "import/GlyphImport.h"
#include "import/OutlineFont.h"
#include "import/SourceDrawing.h"

namespace ledfont::bench {
namespace {

constexpr int kWords = 500;

// The text up to its kWords-th space-separated word.
std::u32string firstWords(std::u32string_view text) {
    std::size_t end = 0;
    for (int words = 0; words < kWords && end < text.size(); ++end) {
        words += text[end] == U' ' || text[end] == U'\n' ? 1 : 0;
    }
    return std::u32string(text.substr(0, end));
}

void BM_ProveWordsAgainstNoto(benchmark::State& state) {
    if (!import::outlineFontsAvailable()) {
        state.SkipWithError("this build reads no outline fonts");
        return;
    }
    std::string family = "Noto Sans Devanagari";
    FontTables tables = import::newFont(FontKind::Jukta512);
    try {
        std::vector<import::ConjunctPair> ranked;
        const std::u32string all = compose::decodeUtf8(compose::shippedHindiText());
        for (const compose::ConjunctCount& c : compose::rankConjuncts(all)) {
            ranked.push_back({static_cast<std::uint8_t>(c.first), static_cast<std::uint8_t>(c.second)});
        }
        const import::OutlineSource source(import::findSystemFont(family), 0);
        import::importFont(tables, FontKind::Jukta512, source, {}, ranked, import::ConjunctSlots::Unpaired);
    } catch (const import::SourceError& e) {
        state.SkipWithError(e.what());
        return;
    }
    const compose::ComposeFont font(tables, FontKind::Jukta512);
    const std::u32string text = firstWords(compose::decodeUtf8(compose::shippedHindiText()));
    int words = 0;
    int matching = 0;
    for (auto _ : state) {
        const import::SourceDrawing source(family, font.glyph(0x15), 0);
        const cli::WordFigures figures = cli::proveWords(font, source, text);
        words = figures.words;
        matching = figures.matching;
        benchmark::DoNotOptimize(figures);
    }
    state.counters["words"] = words;
    state.counters["matching"] = matching;
}

BENCHMARK(BM_ProveWordsAgainstNoto)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ledfont::bench
