#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "font/FontTables.h"

namespace ledfont::hexout {

// The bytes the font's HEX file sets, as one run from its first address. The regions of either kind adjoin
// (the Jukta512 pairs at 0xE500 follow the glyphs that end at 0xE4FF), so the run has no gap, and every
// output made from it holds at each address the byte the HEX file holds there.
struct FirmwareImage {
    FontKind kind = FontKind::Hindi;
    std::uint32_t address = 0;
    std::vector<std::uint8_t> bytes;
    std::uint32_t crc = 0;  // crc32 of bytes

    std::uint32_t last() const { return address + static_cast<std::uint32_t>(bytes.size()) - 1; }
};

// The image of the kind JuktaMode selects, as the HEX export takes the tables.
FirmwareImage firmwareImage(const FontTables& tables);

// "image: 18432 bytes at 0xA100-0xE8FF, CRC-32 0x1234ABCD": what firmware checks the font against.
std::string imageSummary(const FirmwareImage& image);

// Motorola S-records: an S0 header, S3 records of 16 data bytes at the image's addresses, an S5 record
// count and an S7 end record; every line ends in CR LF, as the HEX file's do.
std::string buildSrecText(const FirmwareImage& image);

// An ASCII letter or '_', then letters, digits and '_'.
bool isCIdentifier(std::string_view name);

// The C name for a font file: its file name without the extension, every character but ASCII letters,
// digits and '_' made '_'; "font" when that does not start with a letter.
std::string cNameForFont(std::string_view fontFile);

// The C header for the arrays NAME_glyphs and, in a Jukta512 font, NAME_pairs: their declarations and
// #defines (NAME in upper case) of the glyph count, each array's address and size, and the whole image's
// address, size and CRC-32. `name` must be a C identifier (std::invalid_argument otherwise).
std::string buildCHeader(const FirmwareImage& image, std::string_view name);

// The C source defining the arrays, one line a glyph with a comment of its index, code, width and kind;
// it includes `headerName`, the header's file name.
std::string buildCSource(const FirmwareImage& image, std::string_view name, std::string_view headerName);

}  // namespace ledfont::hexout
