#include "BenchFonts.h"

#include <random>
#include <string>

#include "font/FontText.h"

namespace ledfont::bench {

std::unique_ptr<FontTables> sampleTables(FontKind kind) {
    auto tables = std::make_unique<FontTables>();
    tables->JuktaMode = kind == FontKind::Jukta512;
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int g = 0; g < glyphCount(kind); ++g) {
        tables->FontData.set(g, 0, 1 + g % 16);
        tables->FontData.set(g, 1, (g % 3) << 4 | (g % 16));
        for (int b = 2; b < kRecordBytes; ++b) {
            tables->FontData.set(g, b, byte(random));
        }
        tables->JuktaData.set(g, 0, g % 128);
        tables->JuktaData.set(g, 1, (g * 7) % 128);
    }
    return tables;
}

std::string sampleText(FontKind kind) {
    return formatFontText(*sampleTables(kind));
}

}  // namespace ledfont::bench
