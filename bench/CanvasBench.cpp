// The canvas operations the editor runs on every mouse event and on every step through the font.
#include <benchmark/benchmark.h>

#include "BenchFonts.h"
#include "editor/LedCanvas.h"
#include "editor/Raster.h"

namespace ledfont::bench {
namespace {

void BM_GetMap(benchmark::State& state) {
    auto tables = sampleTables(FontKind::Jukta512);
    editor::Raster raster;
    CharMapArray charMap;
    editor::LedCanvas canvas(raster);
    canvas.ShowGlyph(glyphAt(*tables, 5));
    for (auto _ : state) {
        canvas.GetMap(charMap);
        benchmark::DoNotOptimize(charMap);
    }
}

// Showing a stored glyph: the bitmap painted on a cleared grid, then the width and centre combos' Click
// handlers (grid redrawn with the limit line, marker placed), glyph after glyph.
void BM_ShowGlyph(benchmark::State& state) {
    auto tables = sampleTables(FontKind::Jukta512);
    editor::Raster raster;
    editor::LedCanvas canvas(raster);
    int glyph = 0;
    for (auto _ : state) {
        canvas.ShowGlyph(glyphAt(*tables, glyph));
        canvas.ColsClick(glyphWidth(tables->FontData, glyph) - 1);
        canvas.CentreClick(glyphCentre(tables->FontData, glyph) - 1);
        benchmark::DoNotOptimize(raster.pixels().data());
        glyph = (glyph + 1) % 512;
    }
}

BENCHMARK(BM_GetMap)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShowGlyph)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ledfont::bench
