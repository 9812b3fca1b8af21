// Importing glyphs: the Unifont block from its .hex text, the whole Debian Unifont file, and all 512 glyphs
// of a Jukta512 font from an outline font (opening it and choosing its size included), and a Jukta512 font
// whose 384 conjunct glyphs are filled by the frequencies of the shipped Hindi text.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "compose/ConjunctFrequency.h"
#include "compose/Utf8.h"
#include "import/ConjunctFill.h"
#include "import/GlyphImport.h"
#include "import/OutlineFont.h"
#include "import/UnifontHex.h"

namespace ledfont::bench {
namespace {

const std::filesystem::path kUnifont = "/usr/share/unifont/unifont.hex";

std::string unifontBlock() {
    std::ifstream in(kUnifont);
    std::string block;
    for (std::string line; std::getline(in, line);) {
        if (line.size() > 4 && line[4] == ':' && line.starts_with("09") && line[2] >= '0' && line[2] <= '7') {
            block += line + "\n";
        }
    }
    return block;
}

void BM_ImportUnifontBlock(benchmark::State& state) {
    const std::string block = unifontBlock();
    if (block.empty()) {
        state.SkipWithError("Unifont (package unifont) is not installed");
        return;
    }
    const FontTables start = import::newFont(FontKind::Hindi);
    for (auto _ : state) {
        FontTables tables = start;
        benchmark::DoNotOptimize(
            import::importGlyphs(tables, FontKind::Hindi, import::UnifontHexSource(block), {}));
    }
}

void BM_ImportUnifontFile(benchmark::State& state) {
    if (!std::filesystem::exists(kUnifont)) {
        state.SkipWithError("Unifont (package unifont) is not installed");
        return;
    }
    const FontTables start = import::newFont(FontKind::Hindi);
    for (auto _ : state) {
        FontTables tables = start;
        benchmark::DoNotOptimize(
            import::importGlyphs(tables, FontKind::Hindi, import::UnifontHexSource::fromFile(kUnifont), {}));
    }
}

// Noto Sans Devanagari's file, or nothing when the build or the machine has no outline font to read: the
// benchmark is then skipped with the reason.
std::optional<std::filesystem::path> notoOrSkip(benchmark::State& state) {
    if (!import::outlineFontsAvailable()) {
        state.SkipWithError("this build reads no outline fonts");
        return std::nullopt;
    }
    try {
        return import::findSystemFont("Noto Sans Devanagari");
    } catch (const import::SourceError& e) {
        state.SkipWithError(e.what());
        return std::nullopt;
    }
}

void BM_ImportOutline512(benchmark::State& state) {
    const std::optional<std::filesystem::path> noto = notoOrSkip(state);
    if (!noto) {
        return;
    }
    const std::filesystem::path& font = *noto;
    // Every conjunct glyph gets a pair of consonants, so that all 512 are shaped.
    FontTables start = import::newFont(FontKind::Jukta512);
    for (int g = 128; g < 512; ++g) {
        Glyph glyph = glyphAt(start, g);
        glyph.pair = {static_cast<std::uint8_t>(0x15 + (g - 128) / 37 % 37),
                      static_cast<std::uint8_t>(0x15 + g % 37)};
        setGlyph(start, g, glyph, true);
    }
    std::size_t imported = 0;
    for (auto _ : state) {
        FontTables tables = start;
        const import::OutlineSource source(font, 0);
        imported = import::importGlyphs(tables, FontKind::Jukta512, source, {}).imported.size();
        benchmark::DoNotOptimize(tables.FontData);
    }
    state.counters["imported"] = static_cast<double>(imported);
}

// What `ledfont import --system "Noto Sans Devanagari" --kind jukta512 --conjuncts all` does, but the
// writing: counting the shipped text, opening the font and choosing its size, the block and the 384
// conjuncts.
void BM_ImportOutlineConjuncts(benchmark::State& state) {
    const std::optional<std::filesystem::path> noto = notoOrSkip(state);
    if (!noto) {
        return;
    }
    const std::filesystem::path& font = *noto;
    const FontTables start = import::newFont(FontKind::Jukta512);
    std::size_t filled = 0;
    for (auto _ : state) {
        std::vector<import::ConjunctPair> ranked;
        for (const compose::ConjunctCount& c :
             compose::rankConjuncts(compose::decodeUtf8(compose::shippedHindiText()))) {
            ranked.push_back({static_cast<std::uint8_t>(c.first), static_cast<std::uint8_t>(c.second)});
        }
        FontTables tables = start;
        const import::OutlineSource source(font, 0);
        filled =
            import::importFont(tables, FontKind::Jukta512, source, {}, ranked, import::ConjunctSlots::All)
                .conjuncts.filled.size();
        benchmark::DoNotOptimize(tables.FontData);
    }
    state.counters["conjuncts"] = static_cast<double>(filled);
}

BENCHMARK(BM_ImportUnifontBlock)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportUnifontFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportOutline512)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportOutlineConjuncts)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ledfont::bench
