#include "editor/GlyphTarget.h"

#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "compose/Compose.h"
#include "compose/Utf8.h"
#include "font/TextToByte.h"

namespace ledfont::editor {

namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::optional<int> number(std::string_view text, int base) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

// Pieces appended one by one: GCC 12 at -O3 warns falsely (-Wrestrict) about chains of string additions.
std::string joined(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (std::string_view piece : pieces) {
        text.append(piece);
    }
    return text;
}

// The glyphs of a text of Devanagari block characters, glyph i standing for U+0900 + i; nothing for any
// other text.
std::optional<std::vector<int>> blockLetters(std::string_view text) {
    const std::u32string codes = compose::decodeUtf8(text);
    if (codes.empty()) {
        return std::nullopt;
    }
    std::vector<int> letters;
    for (char32_t code : codes) {
        const int glyph = compose::glyphOfCode(code);
        if (glyph < 0) {
            return std::nullopt;
        }
        letters.push_back(glyph);
    }
    return letters;
}

// The glyph the letters name: one letter its own glyph, X virama Y the conjunct glyph of the pair (X, Y).
std::variant<int, std::string> letterGlyph(std::string_view text, const std::vector<int>& letters,
                                           FontKind kind, const FontTables* font) {
    if (letters.size() == 1) {
        return letters[0];
    }
    if (letters.size() != 3 || letters[1] != compose::glyphOfCode(compose::kVirama)) {
        return joined({"\"", text,
                       "\" is more than one glyph: give one letter or a conjunct (two letters joined by the "
                       "halant)"});
    }
    if (kind != FontKind::Jukta512) {
        return joined({"\"", text, "\" is a conjunct, which only a Jukta512 font has glyphs for"});
    }
    // The conjunct the sign draws for the letters, found as the composer finds it.
    if (font != nullptr) {
        if (const int glyph = compose::ComposeFont(*font, kind).conjunct(letters[0], letters[2]);
            glyph >= 0) {
            return glyph;
        }
    }
    return joined({"No glyph of this font holds the conjunct \"", text, "\" (pair ",
                   byteToHexText(static_cast<std::uint8_t>(letters[0])), " ",
                   byteToHexText(static_cast<std::uint8_t>(letters[2])), ")"});
}

}  // namespace

std::variant<int, std::string> glyphTarget(std::string_view text, FontKind kind, const FontTables* font) {
    text = trimmed(text);
    const int count = glyphCount(kind);
    std::optional<int> index;
    if (const auto letters = blockLetters(text)) {
        const auto named = letterGlyph(text, *letters, kind, font);
        if (const auto* why = std::get_if<std::string>(&named)) {
            return *why;
        }
        index = std::get<int>(named);
    } else if (text.starts_with("Code:") || text.starts_with("code:")) {
        const std::string_view digits = trimmed(text.substr(5));
        const auto code = number(digits, 16);
        // Four digits are a code point, as a Hindi font's label shows it; a Jukta512 label has three.
        if (code && (kind == FontKind::Hindi || digits.size() == 4)) {
            index = *code - static_cast<int>(compose::kFirstCode);
        } else {
            index = code;
        }
    } else if (text.starts_with("U+") || text.starts_with("u+")) {
        // A code point as Unicode writes it: glyph i is U+0900 + i in either kind.
        if (const auto code = number(text.substr(2), 16)) {
            index = *code - static_cast<int>(compose::kFirstCode);
        }
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        index = number(text.substr(2), 16);
    } else {
        index = number(text, 10);
    }
    if (!index) {
        return joined({"\"", text,
                       "\" is no glyph: give an index (21 or 0x15), a code (Code: 0915 or U+0915), a "
                       "Devanagari letter or a conjunct"});
    }
    if (*index < 0 || *index >= count) {
        return joined({"There is no such glyph in a ", fontKindName(kind), " font, whose glyphs are 0..",
                       std::to_string(count - 1)});
    }
    return *index;
}

}  // namespace ledfont::editor
