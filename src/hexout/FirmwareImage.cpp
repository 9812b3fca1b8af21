#include "hexout/FirmwareImage.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <stdexcept>

#include "font/Glyph.h"
#include "font/GlyphCode.h"
#include "font/GlyphText.h"
#include "hexout/Crc32.h"
#include "hexout/HexImage.h"
#include "hexout/HexMemory.h"
#include "hexout/HexRecords.h"

namespace ledfont::hexout {

namespace {

constexpr std::string_view kDigits = "0123456789ABCDEF";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// An ASCII letter, digit or '_': what a C identifier is made of.
bool identifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || isDigit(c);
}

void appendHexByte(std::string& out, std::uint8_t byte) {
    const char digits[2] = {kDigits[byte >> 4], kDigits[byte & 0xF]};
    out.append(digits, 2);
}

// One S-record: type, count (address, data and checksum bytes), address, data, checksum (the ones'
// complement of the low byte of the sum of every byte after the type). Built in a buffer of the longest
// line and appended once, as the HEX writer does, so that S-records cost what HEX records cost.
void appendSrecord(std::string& out, char type, int addressBytes, std::uint32_t address,
                   std::span<const std::uint8_t> data) {
    constexpr std::size_t kLongest = 2 + 2 * (1 + 4 + 255 + 1) + kLineEnd.size();
    std::array<char, kLongest> line;  // filled up to `at` below
    const auto put = [](char* at, std::uint8_t byte) {
        at[0] = kDigits[byte >> 4];
        at[1] = kDigits[byte & 0xF];
        return at + 2;
    };
    const auto count = static_cast<std::uint8_t>(addressBytes + data.size() + 1);
    unsigned sum = count;
    char* at = line.data();
    *at++ = 'S';
    *at++ = type;
    at = put(at, count);
    for (int shift = 8 * (addressBytes - 1); shift >= 0; shift -= 8) {
        const auto byte = static_cast<std::uint8_t>(address >> shift);
        sum += byte;
        at = put(at, byte);
    }
    for (std::uint8_t byte : data) {
        sum += byte;
        at = put(at, byte);
    }
    at = put(at, static_cast<std::uint8_t>(~sum));
    at = std::copy(kLineEnd.begin(), kLineEnd.end(), at);
    out.append(line.data(), at);
}

// One line of a C array, made in a buffer and appended to the source at once: a string's append costs a
// call each, and a Jukta512 source has some twenty thousand pieces.
class CLine {
  public:
    // "    0x08, 0x04, ...," for one glyph's bytes: six characters a byte, copied from a table made once.
    explicit CLine(std::span<const std::uint8_t> bytes) {
        using Entry = std::array<char, 6>;
        static const std::array<Entry, 256> kEntries = [] {
            std::array<Entry, 256> entries{};
            for (std::size_t b = 0; b < 256; ++b) {
                entries[b] = {' ', '0', 'x', kDigits[b >> 4], kDigits[b & 0xF], ','};
            }
            return entries;
        }();
        put("   ");
        if (size_ + bytes.size() * sizeof(Entry) > text_.size()) {
            throw std::length_error("a C line longer than its buffer");
        }
        for (std::uint8_t byte : bytes) {
            // A constant size, so that the copy is two moves rather than a call.
            std::memcpy(text_.data() + size_, kEntries[byte].data(), sizeof(Entry));
            size_ += sizeof(Entry);
        }
    }

    void put(std::string_view text) {
        if (size_ + text.size() > text_.size()) {
            throw std::length_error("a C line longer than its buffer");
        }
        std::memcpy(text_.data() + size_, text.data(), text.size());
        size_ += text.size();
    }
    void putNumber(std::uint32_t value) {
        std::array<char, 10> digits{};
        auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
        put(std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
    }
    void appendTo(std::string& out) const { out.append(text_.data(), size_); }

  private:
    std::array<char, 512> text_;  // filled up to size_
    std::size_t size_ = 0;
};

std::string upperCase(std::string_view name) {
    std::string upper(name);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

void requireIdentifier(std::string_view name) {
    if (!isCIdentifier(name)) {
        throw std::invalid_argument("not a C identifier: " + std::string(name));
    }
}

// The bytes of `region` within the image.
std::span<const std::uint8_t> regionBytes(const FirmwareImage& image, const FontRegion& region) {
    return std::span(image.bytes).subspan(region.address - image.address, region.size);
}

const char* arrayName(RegionContent content) {
    return content == RegionContent::Glyphs ? "glyphs" : "pairs";
}

void appendDefine(std::string& out, const std::string& prefix, std::string_view what,
                  std::string_view value) {
    out += "#define ";
    out += prefix;
    out += what;
    out += ' ';
    out += value;
    out += '\n';
}

std::string hexConstant(std::uint32_t value, int digits) {
    std::string text = "UINT32_C(0x";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        text += kDigits[(value >> shift) & 0xF];
    }
    return text + ")";
}

// The first line of both files: where the bytes come from and what they hold.
std::string fileComment(const FirmwareImage& image) {
    const bool jukta = image.kind == FontKind::Jukta512;
    std::string text = "/* The font image of the LED sign's controller, made by ledfont export from a ";
    text += fontKindName(image.kind);
    text += " font:\n   the bytes its HEX file holds, " + std::to_string(glyphCount(image.kind)) +
            " glyph records of " + std::to_string(kRecordBytes) + " bytes at " + hexAddress(image.address);
    if (jukta) {
        text += "\n   and their conjunct pairs of " + std::to_string(kPairBytes) + " bytes at " +
                hexAddress(kJuktaPairAddress);
    }
    return text + ". */\n";
}

}  // namespace

std::string_view fileNameOf(std::string_view path) {
    // A backslash separates folders only on Windows; elsewhere it is part of the name.
#ifdef _WIN32
    const std::size_t start = path.find_last_of("/\\");
#else
    const std::size_t start = path.find_last_of('/');
#endif
    return path.substr(start == std::string_view::npos ? 0 : start + 1);
}

FirmwareImage firmwareImage(const FontTables& tables) {
    FirmwareImage image;
    image.kind = kindOf(tables.JuktaMode);
    image.address = fontRegions(image.kind).front().address;
    image.bytes.reserve(static_cast<std::size_t>(valueCount(image.kind)));
    forEachImageRow(tables, image.kind, [&](std::uint32_t address, std::span<const std::uint8_t> row) {
        // The regions adjoin, so each row follows the last; a gap would be bytes the outputs lack.
        if (address != image.address + image.bytes.size()) {
            throw std::logic_error("the font's regions do not form one run");
        }
        image.bytes.insert(image.bytes.end(), row.begin(), row.end());
    });
    image.crc = crc32(image.bytes);
    return image;
}

std::string imageSummary(const FirmwareImage& image) {
    std::string crc;
    for (int shift = 24; shift >= 0; shift -= 8) {
        appendHexByte(crc, static_cast<std::uint8_t>(image.crc >> shift));
    }
    return "image: " + std::to_string(image.bytes.size()) + " bytes at " +
           hexRange(image.address, image.last()) + ", CRC-32 0x" + crc;
}

int shortestSrecAddressBytes(const FirmwareImage& image) {
    const std::uint32_t last = image.bytes.empty() ? image.address : image.last();
    return last <= 0xFFFF ? 2 : last <= 0xFFFFFF ? 3 : 4;
}

std::string srecSummary(int addressBytes) {
    return "records: S" + std::to_string(addressBytes - 1) + " (" + std::to_string(8 * addressBytes) +
           "-bit addresses)";
}

std::string buildSrecText(const FirmwareImage& image, int addressBytes) {
    // A field too short for the image would wrap its addresses; the shortest that holds them wins then.
    addressBytes = std::clamp(std::max(addressBytes, shortestSrecAddressBytes(image)), 2, 4);
    const char dataType = static_cast<char>('0' + addressBytes - 1);  // S1, S2, S3
    const char endType = static_cast<char>('0' + 11 - addressBytes);  // S9, S8, S7
    constexpr std::string_view kHeader = "ledfont";
    constexpr std::size_t kLineLength = 2 + 2 + 8 + 2 * kRecordDataBytes + 2 + kLineEnd.size();
    std::string out;
    out.reserve((image.bytes.size() / kRecordDataBytes + 3) * kLineLength);
    appendSrecord(out, '0', 2, 0,
                  std::span(reinterpret_cast<const std::uint8_t*>(kHeader.data()), kHeader.size()));
    const std::span<const std::uint8_t> bytes = image.bytes;
    std::uint32_t records = 0;
    for (std::size_t at = 0; at < bytes.size(); at += kRecordDataBytes, ++records) {
        const std::size_t size = std::min<std::size_t>(kRecordDataBytes, bytes.size() - at);
        appendSrecord(out, dataType, addressBytes, image.address + static_cast<std::uint32_t>(at),
                      bytes.subspan(at, size));
    }
    appendSrecord(out, '5', 2, records, {});
    appendSrecord(out, endType, addressBytes, 0, {});
    return out;
}

bool isCIdentifier(std::string_view name) {
    // A leading '_' is refused: C reserves such names at file scope, and "_X" and "__x" everywhere.
    return !name.empty() && !isDigit(name.front()) && name.front() != '_' &&
           std::all_of(name.begin(), name.end(), identifierChar);
}

std::string cNameForFont(std::string_view fontFile) {
    std::string_view name = fileNameOf(fontFile);
    if (std::size_t dot = name.find_last_of('.'); dot != std::string_view::npos && dot > 0) {
        name = name.substr(0, dot);
    }
    std::string sanitised(name);
    std::replace_if(
        sanitised.begin(), sanitised.end(), [](char c) { return !identifierChar(c); }, '_');
    if (!isCIdentifier(sanitised)) {
        return "font";
    }
    return sanitised;
}

std::string buildCHeader(const FirmwareImage& image, std::string_view name) {
    requireIdentifier(name);
    const std::string prefix = upperCase(name) + "_";
    const std::string guard = "LEDFONT_" + prefix + "H";
    std::string out = fileComment(image);
    out += "/* " + prefix + "IMAGE_CRC32 is the CRC-32 (IEEE 802.3, as zlib's crc32) of the " + prefix +
           "IMAGE_SIZE bytes\n   from " + prefix +
           "IMAGE_ADDRESS in address order, for the firmware to check the font at start-up. */\n";
    out += "#ifndef " + guard + "\n#define " + guard + "\n\n#include <stdint.h>\n\n";
    appendDefine(out, prefix, "GLYPH_COUNT", std::to_string(glyphCount(image.kind)));
    appendDefine(out, prefix, "GLYPH_BYTES", std::to_string(kRecordBytes));
    for (const FontRegion& region : fontRegions(image.kind)) {
        const std::string array = upperCase(arrayName(region.content));
        appendDefine(out, prefix, array + "_ADDRESS", hexConstant(region.address, 4));
        appendDefine(out, prefix, array + "_SIZE", std::to_string(region.size));
    }
    appendDefine(out, prefix, "IMAGE_ADDRESS", hexConstant(image.address, 4));
    appendDefine(out, prefix, "IMAGE_SIZE", std::to_string(image.bytes.size()));
    appendDefine(out, prefix, "IMAGE_CRC32", hexConstant(image.crc, 8));
    out += "\n/* " + prefix +
           "STORAGE stands in the arrays' declarations, empty unless the build defines it: "
           "PROGMEM\n   (with <avr/pgmspace.h>) keeps them in an AVR's flash, a section attribute puts them "
           "where the\n   linker script says. */\n";
    out += "#ifndef " + prefix + "STORAGE\n#define " + prefix + "STORAGE\n#endif\n\n";
    for (const FontRegion& region : fontRegions(image.kind)) {
        const std::string array = arrayName(region.content);
        out += "extern const uint8_t " + prefix + "STORAGE " + std::string(name) + "_" + array + "[" +
               prefix + upperCase(array) + "_SIZE];\n";
    }
    out += "\n#endif\n";
    return out;
}

std::string buildCSource(const FirmwareImage& image, std::string_view name, std::string_view headerName) {
    requireIdentifier(name);
    const std::string prefix = upperCase(name) + "_";
    std::string out;
    // "0xNN, " per byte, and a comment of under 64 characters a glyph.
    out.reserve(image.bytes.size() * 6 + static_cast<std::size_t>(glyphCount(image.kind)) * 128 + 1024);
    out += fileComment(image);
    out += "#include \"";
    out += headerName;
    out += "\"\n\n";
    // The two files are replaced one after the other; a source left beside another export's header (a kill
    // between the two) must not compile.
    out += "#if !defined(" + prefix + "IMAGE_CRC32) || " + prefix +
           "IMAGE_CRC32 != " + hexConstant(image.crc, 8) + " || " + prefix +
           "IMAGE_SIZE != " + std::to_string(image.bytes.size()) + "\n#error \"";
    out += headerName;
    out += " is not the header exported with this source: export both again\"\n#endif\n";
    for (const FontRegion& region : fontRegions(image.kind)) {
        const bool glyphs = region.content == RegionContent::Glyphs;
        const std::string array = arrayName(region.content);
        out += "\nconst uint8_t " + prefix + "STORAGE " + std::string(name) + "_" + array + "[" + prefix +
               upperCase(array) + "_SIZE] = {\n";
        const std::span<const std::uint8_t> bytes = regionBytes(image, region);
        const std::size_t width = glyphs ? kRecordBytes : kPairBytes;
        for (std::size_t at = 0, glyph = 0; at < bytes.size(); at += width, ++glyph) {
            CLine line(bytes.subspan(at, width));
            line.put(" /* glyph ");
            line.putNumber(static_cast<std::uint32_t>(glyph));
            if (glyphs) {
                const Glyph value = Glyph::decode(bytes.subspan(at).first<kRecordBytes>());
                line.put("  ");
                line.put(glyphCode(image.kind, static_cast<int>(glyph)));
                line.put("  width ");
                line.putNumber(static_cast<std::uint32_t>(value.readWidth()));
                line.put("  ");
                line.put(kindName(value.kindNumber()));
            }
            line.put(" */\n");
            line.appendTo(out);
        }
        out += "};\n";
    }
    return out;
}

}  // namespace ledfont::hexout
