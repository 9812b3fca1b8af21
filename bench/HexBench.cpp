// Building the bytes of a whole HEX file from the tables.
#include <benchmark/benchmark.h>

#include "BenchFonts.h"
#include "hexout/HexRecords.h"

namespace ledfont::bench {
namespace {

void BM_BuildHexText(benchmark::State& state) {
    const FontKind kind = state.range(0) == 0 ? FontKind::Hindi : FontKind::Jukta512;
    auto tables = sampleTables(kind);
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string text = hexout::buildHexText(*tables);
        bytes = text.size();
        benchmark::DoNotOptimize(text);
    }
    state.SetLabel(kind == FontKind::Hindi ? "Hindi" : "Jukta512");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

BENCHMARK(BM_BuildHexText)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ledfont::bench
