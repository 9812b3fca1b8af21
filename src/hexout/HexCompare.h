#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "font/FontTables.h"
#include "hexout/HexMemory.h"

namespace ledfont::hexout {

struct HexComparison {
    std::vector<std::string> differences;  // the first ones, in address order
    std::size_t count = 0;                 // all of them
    // "HEX matches hindi.txt: 4352 bytes at 0x9000-0xA0FF", or "HEX does not match hindi.txt: 3 differences"
    std::string summary;

    bool matches() const { return count == 0; }
};

// Compares what a HEX file sets with the image the tables would export (the kind JuktaMode selects),
// naming each difference in the font's terms: a byte of a glyph record ("glyph 21 (Code: 0915) byte 9
// (column 3, rows 8..15): font FD, HEX FF"), a byte of a conjunct pair, a stretch of the font the HEX
// lacks ("missing from the HEX: 0xA100-0xA10F") or one of the HEX outside the font ("not part of the
// font: 0x0000-0x000F"). Keeps the first `maxLines` lines and counts all. The summary names the font by
// tables.FontFile.
HexComparison compareHexWithFont(const FontTables& tables, const HexMemory& hex, std::size_t maxLines = 20);

}  // namespace ledfont::hexout
