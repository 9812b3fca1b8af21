#pragma once

#include <cstdint>

#include "font/FontTables.h"

namespace ledfont::test {

// Tables whose glyph byte b of glyph g is ((34 g + b) * 7 + shift) mod 256 and whose pair byte k of glyph g
// is ((2 g + k) * 5 + 3) mod 256, on every row, also those no font file carries: every byte differs from its
// neighbours, so a shifted byte or a row the kind does not cover shows.
FontTables patternTables(bool juktaMode, int shift = 0);

// Tables with every byte of FontData and JuktaData random, also the rows and bytes no file carries.
FontTables randomTables(std::uint32_t seed, bool juktaMode);

}  // namespace ledfont::test
