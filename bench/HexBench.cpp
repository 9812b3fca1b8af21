// Building the bytes of a whole HEX file from the tables, and reading one back to verify it.
#include <benchmark/benchmark.h>

#include <fstream>

#include "BenchFonts.h"
#include "font/FontText.h"
#include "hexout/FirmwareImage.h"
#include "hexout/HexCompare.h"
#include "hexout/HexReader.h"
#include "hexout/HexRecords.h"
#include "support/TestFiles.h"

namespace ledfont::bench {
namespace {

FontKind kindArg(const benchmark::State& state) {
    return state.range(0) == 0 ? FontKind::Hindi : FontKind::Jukta512;
}

void BM_BuildHexText(benchmark::State& state) {
    const FontKind kind = kindArg(state);
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

// Each firmware output from the tables, image included, to set against BM_BuildHexText: 0 binary, 1
// S-records, 2 the C header and source.
void BM_BuildFirmware(benchmark::State& state) {
    const FontKind kind = kindArg(state);
    const auto format = state.range(1);
    auto tables = sampleTables(kind);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const hexout::FirmwareImage image = hexout::firmwareImage(*tables);
        if (format == 0) {
            bytes = image.bytes.size();
            benchmark::DoNotOptimize(image.bytes.data());
        } else if (format == 1) {
            std::string text = hexout::buildSrecText(image);
            bytes = text.size();
            benchmark::DoNotOptimize(text);
        } else {
            std::string header = hexout::buildCHeader(image, "font");
            std::string source = hexout::buildCSource(image, "font", "font.h");
            bytes = header.size() + source.size();
            benchmark::DoNotOptimize(header);
            benchmark::DoNotOptimize(source);
        }
    }
    const char* formats[] = {"bin", "srec", "c"};
    state.SetLabel(std::string(kind == FontKind::Hindi ? "Hindi " : "Jukta512 ") + formats[format]);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// What verify does with the font in the tables: read the HEX text and compare it with their image.
void BM_VerifyHex(benchmark::State& state) {
    const FontKind kind = kindArg(state);
    auto tables = sampleTables(kind);
    const std::string text = hexout::buildHexText(*tables);
    for (auto _ : state) {
        hexout::HexComparison result = hexout::compareHexWithFont(*tables, hexout::readHex(text));
        if (!result.matches()) {
            state.SkipWithError("the HEX does not match");
        }
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(kind == FontKind::Hindi ? "Hindi" : "Jukta512");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// The whole of `ledfont verify` but starting the program: load the font file, read the HEX file, compare.
void BM_VerifyHexFiles(benchmark::State& state) {
    const FontKind kind = kindArg(state);
    test::TempFolder folder;
    auto sample = sampleTables(kind);
    std::ofstream(folder / "font.txt", std::ios::binary) << formatFontText(*sample);
    std::ofstream(folder / "font.hex", std::ios::binary) << hexout::buildHexText(*sample);
    auto tables = std::make_unique<FontTables>();
    tables->JuktaMode = kind == FontKind::Jukta512;
    for (auto _ : state) {
        storeFontValues(*tables, kind, readFontFile(folder / "font.txt", kind));
        hexout::HexComparison result =
            hexout::compareHexWithFont(*tables, hexout::readHexFile(folder / "font.hex"));
        if (!result.matches()) {
            state.SkipWithError("the HEX does not match");
        }
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(kind == FontKind::Hindi ? "Hindi" : "Jukta512");
}

BENCHMARK(BM_BuildHexText)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildFirmware)->ArgsProduct({{0, 1}, {0, 1, 2}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VerifyHex)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VerifyHexFiles)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ledfont::bench
