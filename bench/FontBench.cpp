// Loading and saving whole fonts: from a stream in memory and from a file, to text and to a file.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "BenchFonts.h"
#include "font/FontText.h"
#include "support/TestFiles.h"

namespace ledfont::bench {
namespace {

FontKind kindArg(const benchmark::State& state) {
    return state.range(0) == 0 ? FontKind::Hindi : FontKind::Jukta512;
}

void setKindLabel(benchmark::State& state) {
    state.SetLabel(kindArg(state) == FontKind::Hindi ? "Hindi" : "Jukta512");
}

// A load is reading and converting every value, then storing them into the tables.
void BM_LoadFontStream(benchmark::State& state) {
    const FontKind kind = kindArg(state);
    const std::string text = sampleText(kind);
    auto tables = std::make_unique<FontTables>();
    for (auto _ : state) {
        std::istringstream in(text);
        storeFontValues(*tables, kind, readFontValues(in, kind));
        benchmark::DoNotOptimize(tables->FontData);
    }
    setKindLabel(state);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_LoadFontFile(benchmark::State& state) {
    const FontKind kind = kindArg(state);
    test::TempFolder folder;
    const auto path = folder.path() / "font.txt";
    const std::string text = sampleText(kind);
    std::ofstream(path, std::ios::binary) << text;
    auto tables = std::make_unique<FontTables>();
    for (auto _ : state) {
        storeFontValues(*tables, kind, readFontFile(path, kind));
        benchmark::DoNotOptimize(tables->FontData);
    }
    setKindLabel(state);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_FormatFontText(benchmark::State& state) {
    auto tables = sampleTables(kindArg(state));
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatFontText(*tables));
    }
    setKindLabel(state);
}

// The whole save: text, temporary file, flush to the disk, rename over the target.
void BM_SaveFontFile(benchmark::State& state) {
    auto tables = sampleTables(kindArg(state));
    test::TempFolder folder;
    const auto path = folder.path() / "font.txt";
    for (auto _ : state) {
        saveFontFile(path, *tables);
    }
    setKindLabel(state);
}

BENCHMARK(BM_LoadFontStream)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFontFile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FormatFontText)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveFontFile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ledfont::bench
