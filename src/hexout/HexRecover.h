#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "font/FontTables.h"
#include "hexout/HexMemory.h"

namespace ledfont::hexout {

// The kind whose memory region holds data: Hindi when only 0x9000-0xA0FF does, Jukta512 when only
// 0xA100-0xE8FF does. Data elsewhere does not count. When both regions or neither hold data, throws
// HexError saying which addresses, naming the memory as `source` ("HEX", "The dump"); when both do, with
// `choice` after it, the way to take one of them.
FontKind kindOfHex(const HexMemory& hex, std::string_view source = "HEX", std::string_view choice = {});

// The tables that loading the font of `kind` held in `hex` would give: FontData rows 0..glyphCount-1
// bytes 0..33 and, for Jukta512, the conjunct pairs; JuktaMode set by the kind; everything else zero.
// Every address of the kind's regions must be set, else HexError names the gaps; data outside them is
// ignored, so a dump of a whole chip serves.
FontTables tablesFromHex(const HexMemory& hex, FontKind kind);

// The part of a raw memory dump, whose first byte lies at `base`, that can hold a font (0x9000-0xE8FF):
// only that much is read, so a dump of a large chip costs what the font costs. Throws Error with the path.
HexMemory readDumpFile(const std::filesystem::path& path, std::uint32_t base);

}  // namespace ledfont::hexout
