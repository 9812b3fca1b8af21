#include "font/GlyphText.h"

#include <charconv>
#include <optional>
#include <vector>

#include "font/ErrorPlaces.h"
#include "font/GlyphCode.h"
#include "font/TextToByte.h"

namespace ledfont {

namespace {

constexpr int kColumns = 16;
constexpr int kRows = 16;

std::string centreText(int centre) {
    return centre == 0 ? "no centre" : "centre " + std::to_string(centre);
}

[[noreturn]] void notAGlyph(const std::string& why) {
    throw Error(ErrorCode::TypeMismatch, placeOfPath({}, "not a glyph: " + why));
}

std::vector<std::string_view> textLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::size_t first = line.find_first_not_of(" \t");
        if (first != std::string_view::npos) {
            lines.push_back(line.substr(first, line.find_last_not_of(" \t") - first + 1));
        }
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

// The number after `word` in the header, in `base`, or nothing when the word is absent.
std::optional<int> numberAfter(std::string_view header, std::string_view word, int base = 10) {
    const std::size_t at = header.find(word);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    const char* begin = header.data() + at + word.size();
    int value = 0;
    const auto [end, error] = std::from_chars(begin, header.data() + header.size(), value, base);
    if (error != std::errc() || end == begin) {
        notAGlyph("no number after \"" + std::string(word) + "\"");
    }
    return value;
}

int headerKind(std::string_view header) {
    for (int kind = 0; kind <= 2; ++kind) {
        if (header.find("  " + kindName(kind)) != std::string_view::npos) {
            return kind;
        }
    }
    if (const auto kind = numberAfter(header, "  kind ")) {
        return *kind;
    }
    notAGlyph("the header names no kind");
}

}  // namespace

std::string kindName(int kind) {
    switch (kind) {
        case 0:
            return "Consonant";
        case 1:
            return "Vowel";
        case 2:
            return "Ikaar";
        default:
            return "kind " + std::to_string(kind);
    }
}

std::string glyphHeader(const FontTables& tables, FontKind kind, int glyph) {
    return glyphHeader(glyphAt(tables, glyph), kind, glyph);
}

std::string glyphHeader(const Glyph& value, FontKind kind, int glyph) {
    std::string header = "glyph " + std::to_string(glyph) + "  " + glyphCode(kind, glyph) + "  width " +
                         std::to_string(value.readWidth()) + "  " + kindName(value.kindNumber()) + "  " +
                         centreText(value.centre);
    if (kind == FontKind::Jukta512) {
        header += "  conjunct " + byteToHexText(value.pair[0]) + " " + byteToHexText(value.pair[1]);
    }
    return header;
}

std::string glyphRows(const FontDataTable& font, int glyph) {
    return glyphRows(recordAt(font, glyph));
}

std::string glyphRows(const Glyph& value) {
    const int width = value.readWidth();
    std::string rows;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            if (column == width) {
                rows += '|';
            }
            rows += value.lit(column, row) ? '#' : '.';
        }
        rows += '\n';
    }
    return rows;
}

std::string formatGlyph(const FontTables& tables, FontKind kind, int glyph) {
    return formatGlyph(glyphAt(tables, glyph), kind, glyph);
}

std::string formatGlyph(const Glyph& value, FontKind kind, int glyph) {
    return glyphHeader(value, kind, glyph) + "\n" + glyphRows(value);
}

GlyphReading parseGlyphText(std::string_view text) {
    const std::vector<std::string_view> lines = textLines(text);
    if (lines.empty() || !lines[0].starts_with("glyph ")) {
        notAGlyph("no glyph header");
    }
    const std::string_view header = lines[0];
    if (lines.size() != 1 + kRows) {
        notAGlyph(std::to_string(lines.size() - 1) + " rows instead of 16");
    }
    GlyphReading reading;
    Glyph& glyph = reading.glyph;
    const auto width = numberAfter(header, "  width ");
    const int kind = headerKind(header);
    const auto centre = header.find("  no centre") != std::string_view::npos
                            ? std::optional<int>(0)
                            : numberAfter(header, "  centre ");
    if (!width || *width < 0 || *width > 255 || kind < 0 || kind > 15 || !centre || *centre < 0 ||
        *centre > 15) {
        notAGlyph("the header's width, kind or centre is missing or out of range");
    }
    glyph.width = static_cast<std::uint8_t>(*width);
    glyph.kind = static_cast<GlyphKind>(kind);
    glyph.centre = static_cast<std::uint8_t>(*centre);
    if (const auto first = numberAfter(header, "  conjunct ", 16)) {
        const auto second = numberAfter(header.substr(header.find("  conjunct ") + 13), " ", 16);
        if (*first > 255 || !second || *second < 0 || *second > 255) {
            notAGlyph("the conjunct pair is not two bytes");
        }
        glyph.pair = std::array<std::uint8_t, kPairBytes>{static_cast<std::uint8_t>(*first),
                                                          static_cast<std::uint8_t>(*second)};
        reading.hasPair = true;
    }
    for (int row = 0; row < kRows; ++row) {
        std::string leds;
        for (char c : lines[static_cast<std::size_t>(row) + 1]) {
            if (c != '|') {
                leds += c;
            }
        }
        if (leds.size() != kColumns || leds.find_first_not_of("#.") != std::string::npos) {
            notAGlyph("row " + std::to_string(row) + " is not 16 LEDs of '#' and '.'");
        }
        for (int column = 0; column < kColumns; ++column) {
            glyph.setLit(column, row, leds[static_cast<std::size_t>(column)] == '#');
        }
    }
    return reading;
}

}  // namespace ledfont
