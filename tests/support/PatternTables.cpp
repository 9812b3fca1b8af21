#include "PatternTables.h"

#include <random>

namespace ledfont::test {

FontTables patternTables(bool juktaMode, int shift) {
    FontTables tables;
    for (int g = 0; g <= FontDataTable::kRowUpper; ++g) {
        for (int b = 0; b < kRecordBytes; ++b) {
            tables.FontData.set(g, b, ((34 * g + b) * 7 + shift) % 256);
        }
        for (int k = 0; k < kPairBytes; ++k) {
            tables.JuktaData.set(g, k, ((2 * g + k) * 5 + 3) % 256);
        }
    }
    tables.JuktaMode = juktaMode;
    return tables;
}

FontTables randomTables(std::uint32_t seed, bool juktaMode) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    FontTables tables;
    for (int g = 0; g <= FontDataTable::kRowUpper; ++g) {
        for (int b = 0; b <= FontDataTable::kColUpper; ++b) {
            tables.FontData.set(g, b, byte(random));
        }
        for (int k = 0; k <= JuktaDataTable::kColUpper; ++k) {
            tables.JuktaData.set(g, k, byte(random));
        }
    }
    tables.JuktaMode = juktaMode;
    return tables;
}

}  // namespace ledfont::test
