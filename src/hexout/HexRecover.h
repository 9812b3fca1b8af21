#pragma once

#include "font/FontTables.h"
#include "hexout/HexMemory.h"

namespace ledfont::hexout {

// The kind whose memory region holds data: Hindi when only 0x9000-0xA0FF does, Jukta512 when only
// 0xA100-0xE8FF does. Data elsewhere does not count. When both regions or neither hold data, throws
// HexError saying which addresses.
FontKind kindOfHex(const HexMemory& hex);

// The tables that loading the font of `kind` held in `hex` would give: FontData rows 0..glyphCount-1
// bytes 0..33 and, for Jukta512, the conjunct pairs; JuktaMode set by the kind; everything else zero.
// Every address of the kind's regions must be set, else HexError names the gaps; data outside them is
// ignored, so a dump of a whole chip serves.
FontTables tablesFromHex(const HexMemory& hex, FontKind kind);

}  // namespace ledfont::hexout
