#include "hexout/FirmwareFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/FontPath.h"
#include "font/WriteFile.h"
#include "hexout/HexFile.h"

namespace ledfont::hexout {

namespace {

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

// A header-name may not hold a quote, a backslash or an apostrophe (the C standard leaves their meaning
// open), nor a line end.
void checkIncludable(const std::string& header) {
    for (unsigned char c : fileNameOf(header)) {
        if (c == '"' || c == '\\' || c == '\'' || c < 0x20 || c == 0x7F) {
            throw Error(ErrorCode::BadFileNameOrNumber,
                        placeOfPath(header, "the header's name cannot stand in an #include line"));
        }
    }
}

void refuseFontFile(const FontTables& tables, const std::string& output) {
    if (sameFile(tables.FontFile, output)) {
        throw Error(ErrorCode::FileAlreadyExists,
                    placeOfPath(output, "the output would replace the font file"));
    }
}

// What a regular file holds now, to put back; nothing when there is no such file or it cannot be read.
std::optional<std::string> currentContent(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        return std::nullopt;
    }
    return bytes;
}

// Writes the source, then the header; a header that fails takes the source back to what it was.
void writeCPair(const std::filesystem::path& source, const std::string& sourceText,
                const std::filesystem::path& header, const std::string& headerText) {
    std::error_code ec;
    const bool sourceExisted = std::filesystem::exists(std::filesystem::symlink_status(source, ec));
    const std::optional<std::string> before = currentContent(source);
    writeFileAtomically(source, sourceText);
    try {
        writeFileAtomically(header, headerText);
    } catch (const Error& e) {
        bool restored = false;
        try {
            if (before) {
                writeFileAtomically(source, *before);
                restored = true;
            } else if (!sourceExisted) {
                restored = std::filesystem::remove(source, ec) && !ec;
            }
        } catch (const Error&) {
        }
        if (restored) {
            throw;
        }
        ErrorPlace place = e.place();
        place.note = displayPath(utf8FromPath(source)) + " is written and does not match";
        throw Error(e.code(), place);
    }
}

}  // namespace

std::optional<FirmwareFormat> formatOfFileName(std::string_view fileName) {
    const std::string_view name = fileNameOf(fileName);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0) {
        return std::nullopt;
    }
    const std::string extension = lowerCase(name.substr(dot + 1));
    if (extension == "c" || extension == "h") {
        return FirmwareFormat::C;
    }
    if (extension == "bin") {
        return FirmwareFormat::Binary;
    }
    for (const char* srec : {"srec", "s19", "s28", "s37", "mot"}) {
        if (extension == srec) {
            return FirmwareFormat::Srec;
        }
    }
    return std::nullopt;
}

std::string firmwareFileName(const std::string& fontFile, FirmwareFormat format) {
    const char* extension = format == FirmwareFormat::C        ? "c"
                            : format == FirmwareFormat::Binary ? "bin"
                                                               : "srec";
    return fileNameWithExtension(fontFile, extension);
}

std::pair<std::string, std::string> cFileNames(const std::string& output) {
    const std::string name = lowerCase(fileNameOf(output));
    if (name.size() <= 2 || !(name.ends_with(".c") || name.ends_with(".h"))) {
        return {output + ".c", output + ".h"};
    }
    // The name given stays as spelt; its partner gets a lower-case extension (.C is C++ to GCC).
    const std::string stem = output.substr(0, output.size() - 2);
    return name.ends_with(".c") ? std::pair(output, stem + ".h") : std::pair(stem + ".c", output);
}

int srecAddressBytesOfFileName(std::string_view fileName) {
    const std::string name = lowerCase(fileNameOf(fileName));
    return name.ends_with(".s19") ? 2 : name.ends_with(".s28") ? 3 : name.ends_with(".s37") ? 4 : 0;
}

FirmwareOutput writeFirmwareFiles(const FontTables& tables, FirmwareFormat format, const std::string& output,
                                  std::string_view name) {
    FirmwareOutput result;
    result.image = firmwareImage(tables);
    const FirmwareImage& image = result.image;
    if (format == FirmwareFormat::C) {
        const auto [source, header] = cFileNames(output);
        refuseFontFile(tables, source);
        refuseFontFile(tables, header);
        checkIncludable(header);
        const std::string headerText = buildCHeader(image, name);
        const std::string sourceText = buildCSource(image, name, fileNameOf(header));
        result.files = {pathFromUtf8(source), pathFromUtf8(header)};
        writeCPair(result.files[0], sourceText, result.files[1], headerText);
        return result;
    }
    refuseFontFile(tables, output);
    result.files = {pathFromUtf8(output)};
    if (format == FirmwareFormat::Binary) {
        writeFileAtomically(
            result.files[0],
            std::string_view(reinterpret_cast<const char*>(image.bytes.data()), image.bytes.size()));
    } else {
        result.srecAddressBytes =
            std::max(srecAddressBytesOfFileName(output), shortestSrecAddressBytes(image));
        writeFileAtomically(result.files[0], buildSrecText(image, result.srecAddressBytes));
    }
    return result;
}

}  // namespace ledfont::hexout
