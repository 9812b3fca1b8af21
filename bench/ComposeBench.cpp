// Composing a line of the sign's text: what the text preview does on every key typed and every glyph stored.
#include <benchmark/benchmark.h>

#include "BenchFonts.h"
#include "compose/Compose.h"
#include "compose/Picture.h"

namespace ledfont::bench {
namespace {

// A Jukta512 font whose conjunct glyphs include the clusters of the line below but one, which falls back to
// the halant.
FontTables conjunctFont() {
    FontTables tables = *sampleTables(FontKind::Jukta512);
    const int pairs[][2] = {{0x38, 0x24}, {0x28, 0x26}, {0x15, 0x37}, {0x38, 0x1F}};
    int glyph = 200;
    for (const auto& pair : pairs) {
        tables.JuktaData.set(glyph, 0, pair[0]);
        tables.JuktaData.set(glyph, 1, pair[1]);
        ++glyph;
    }
    return tables;
}

// 200 code points of running Hindi: consonants, vowel signs, the I sign, conjuncts, spaces, a comma the font
// lacks, and the danda.
std::u32string hindiLine() {
    const std::u32string sentence =
        U"नमस्ते, यह हिन्दी का एक वाक्य है जो संकेत पर बाएँ से दाएँ चलता है। क्षमा करें, स्टेशन पर गाड़ी दस "
        U"मिनट देर से आएगी। ";
    std::u32string line;
    while (line.size() < 200) {
        line += sentence;
    }
    line.resize(200);
    return line;
}

void BM_ComposeLine(benchmark::State& state) {
    const compose::ComposeFont font(conjunctFont(), FontKind::Jukta512);
    const std::u32string line = hindiLine();
    compose::Strip strip;
    for (auto _ : state) {
        strip = compose::composeText(font, line);
        benchmark::DoNotOptimize(strip.columns.data());
    }
    // What a run does, to see that the line is composed as meant.
    state.counters["columns"] = strip.width();
    state.counters["glyphs"] = static_cast<double>(strip.placements.size());
    state.counters["fallbacks"] = static_cast<double>(strip.fallbacks.size());
    state.counters["missing"] = static_cast<double>(strip.missing.size());
}

// The text preview's refresh: the font read from its tables, the line composed and drawn as LEDs four panels
// wide.
void BM_PreviewLine(benchmark::State& state) {
    const FontTables tables = conjunctFont();
    const std::u32string line = hindiLine();
    for (auto _ : state) {
        const compose::ComposeFont font(tables, FontKind::Jukta512);
        benchmark::DoNotOptimize(compose::drawStrip(compose::composeText(font, line), 4 * 32));
    }
}

BENCHMARK(BM_ComposeLine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviewLine)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ledfont::bench
