#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "font/FontTables.h"
#include "hexout/FirmwareImage.h"

namespace ledfont::hexout {

// The forms of the image for a firmware build: C source (a header and a source file), a raw binary from
// the image's first address, Motorola S-records.
enum class FirmwareFormat { C, Binary, Srec };

// The format a file name's extension stands for, in any case: .c and .h C, .bin binary, .srec, .s19, .s28,
// .s37 and .mot S-records; nothing for any other.
std::optional<FirmwareFormat> formatOfFileName(std::string_view fileName);

// The output named after the font file, as the HEX file is (see hexFileName): the extension c, bin or srec.
std::string firmwareFileName(const std::string& fontFile, FirmwareFormat format);

// The C source and header an output name stands for: OUT.c and OUT.h, or when OUT ends in .c or .h (in
// any case), OUT and its partner with a lower-case extension.
std::pair<std::string, std::string> cFileNames(const std::string& output);

// The S-record address bytes a file name's extension asks for: .s19 2 (S1), .s28 3 (S2), .s37 4 (S3), any
// other 0 (the shortest that holds the image; see buildSrecText).
int srecAddressBytesOfFileName(std::string_view fileName);

struct FirmwareOutput {
    FirmwareImage image;
    std::vector<std::filesystem::path> files;  // as written, the C source before its header
    int srecAddressBytes = 0;                  // S-records: the address field written
};

// Writes the image of the tables in `format` to `output` (for C, to the pair cFileNames gives; S-records
// with the address field srecAddressBytesOfFileName gives), each file
// replaced as a whole or not at all. When the C header cannot be written after its source was, the source
// is put back as it was, so that no mismatched pair is left. Throws FileAlreadyExists when an output is the
// font file (tables.FontFile), BadFileNameOrNumber when the header's name cannot stand in an #include line;
// `name` (C only) must be a C identifier. Every error carries the path of the file concerned.
FirmwareOutput writeFirmwareFiles(const FontTables& tables, FirmwareFormat format, const std::string& output,
                                  std::string_view name);

}  // namespace ledfont::hexout
