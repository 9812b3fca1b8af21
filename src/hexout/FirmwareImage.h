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

// The address bytes of the shortest S-record field that holds every address of the image: 2 (S1) for both
// kinds, as srec_cat chooses.
int shortestSrecAddressBytes(const FirmwareImage& image);

// Motorola S-records: an S0 header, records of 16 data bytes at the image's addresses with `addressBytes`
// address bytes (2 S1, 3 S2, 4 S3; 0, or too few for the image, the shortest that holds it), an S5 record
// count and the matching end record (S9, S8, S7); every line ends in CR LF, as the HEX file's do.
std::string buildSrecText(const FirmwareImage& image, int addressBytes = 0);

// "records: S1 (16-bit addresses)": the S-record form written, for the report.
std::string srecSummary(int addressBytes);

// The file name in a path: after the last '/', and on Windows also '\\'.
std::string_view fileNameOf(std::string_view path);

// An ASCII letter, then letters, digits and '_': a name C does not reserve (a leading '_' it does).
bool isCIdentifier(std::string_view name);

// The C name for a font file: its file name without the extension, every character but ASCII letters,
// digits and '_' made '_'; "font" when that does not start with a letter.
std::string cNameForFont(std::string_view fontFile);

// The C header for the arrays NAME_glyphs and, in a Jukta512 font, NAME_pairs: their declarations and
// #defines (NAME in upper case) of the glyph count, each array's address and size, and the whole image's
// address, size and CRC-32, and NAME_STORAGE, empty unless defined before, in the declarations. `name` must
// be a C identifier (std::invalid_argument otherwise).
std::string buildCHeader(const FirmwareImage& image, std::string_view name);

// The C source defining the arrays, one line a glyph with a comment of its index, code, width and kind;
// it includes `headerName`, the header's file name, and fails to compile (#error) unless that header's
// image CRC-32 and size are this image's.
std::string buildCSource(const FirmwareImage& image, std::string_view name, std::string_view headerName);

}  // namespace ledfont::hexout
