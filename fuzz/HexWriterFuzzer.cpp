// buildHexText on tables made from the input: every line is a well-formed data record with a right
// checksum, the regions are the ones of the font's kind, the bytes they carry are the tables' bytes, and
// nothing but the work area changes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzModel.h"
#include "font/FontTables.h"
#include "hexout/HexRecords.h"

namespace ledfont::fuzz {
namespace {

// Every byte of the tables, also those outside the glyphs and pairs a font uses, from the input: byte i
// takes input byte i mod size, mixed with i so that a short input still gives varied tables.
std::unique_ptr<FontTables> tablesFrom(std::string_view bytes) {
    auto tables = std::make_unique<FontTables>();
    tables->JuktaMode = (static_cast<unsigned char>(bytes[0]) & 1) != 0;
    std::size_t i = 0;
    auto next = [&] {
        auto b = static_cast<unsigned char>(bytes[i % bytes.size()]);
        auto mixed = static_cast<std::uint8_t>(b + (i / bytes.size()) * 131);
        ++i;
        return mixed;
    };
    for (int g = 0; g <= FontDataTable::kRowUpper; ++g) {
        for (auto& b : tables->FontData.row(g)) {
            b = next();
        }
        for (auto& b : tables->JuktaData.row(g)) {
            b = next();
        }
    }
    tables->FontFile = "font.txt";
    return tables;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    fail("not an upper-case hexadecimal digit");
}

int byteAt(std::string_view line, std::size_t pos) {
    return hexDigit(line[pos]) * 16 + hexDigit(line[pos + 1]);
}

// Parses the HEX text into a 64 KiB memory, checking every record; returns how many data records came.
int loadRecords(std::string_view text, std::array<std::optional<std::uint8_t>, 0x10000>& memory) {
    int records = 0;
    bool ended = false;
    while (!text.empty()) {
        check(!ended, "text after the end record");
        std::size_t eol = text.find("\r\n");
        check(eol != std::string_view::npos, "line without CR LF");
        std::string_view line = text.substr(0, eol);
        text.remove_prefix(eol + 2);
        check(line.size() >= 11 && line[0] == ':' && line.size() % 2 == 1, "malformed record");
        int count = byteAt(line, 1);
        check(line.size() == 11 + 2 * static_cast<std::size_t>(count), "record length does not match count");
        int address = byteAt(line, 3) * 256 + byteAt(line, 5);
        int type = byteAt(line, 7);
        int sum = 0;
        for (std::size_t p = 1; p < line.size(); p += 2) {
            sum += byteAt(line, p);
        }
        check(sum % 256 == 0, "wrong checksum");
        if (type == 1) {
            check(line == ":00000001FF", "unexpected end record");
            ended = true;
            continue;
        }
        check(type == 0 && count == 16, "record is not a 16-byte data record");
        for (int j = 0; j < count; ++j) {
            auto& cell = memory[static_cast<std::size_t>(address + j)];
            check(!cell.has_value(), "address written twice");
            cell = static_cast<std::uint8_t>(byteAt(line, 9 + 2 * static_cast<std::size_t>(j)));
        }
        ++records;
    }
    check(ended, "no end record");
    return records;
}

void checkImage(const FontTables& tables, const std::array<std::optional<std::uint8_t>, 0x10000>& memory) {
    const bool jukta = tables.JuktaMode;
    const int glyphBase = jukta ? 0xA100 : 0x9000;
    const int glyphs = jukta ? 512 : 128;
    std::size_t filled = 0;
    for (const auto& cell : memory) {
        filled += cell.has_value() ? 1 : 0;
    }
    check(filled == static_cast<std::size_t>(glyphs * 34 + (jukta ? 1024 : 0)), "wrong number of bytes");
    for (int g = 0; g < glyphs; ++g) {
        for (int b = 0; b < 34; ++b) {
            check(memory[static_cast<std::size_t>(glyphBase + 34 * g + b)] == tables.FontData(g, b),
                  "glyph byte differs");
        }
        if (jukta) {
            for (int k = 0; k < 2; ++k) {
                check(memory[static_cast<std::size_t>(0xE500 + 2 * g + k)] == tables.JuktaData(g, k),
                      "pair byte differs");
            }
        }
    }
}

}  // namespace
}  // namespace ledfont::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ledfont;
    using namespace ledfont::fuzz;
    if (size == 0) {
        return 0;
    }
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto tables = tablesFrom(bytes);
    std::string text = hexout::buildHexText(*tables);

    auto memory = std::make_unique<std::array<std::optional<std::uint8_t>, 0x10000>>();
    int records = loadRecords(text, *memory);
    check(records == (tables->JuktaMode ? 1152 : 272), "wrong number of data records");
    checkImage(*tables, *memory);

    return 0;
}
