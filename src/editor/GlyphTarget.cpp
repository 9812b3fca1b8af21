#include "editor/GlyphTarget.h"

#include <charconv>
#include <optional>

namespace ledfont::editor {

namespace {

constexpr char32_t kBlockStart = 0x900;
constexpr char32_t kBlockEnd = 0x97F;

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

// The one code point of a three-byte UTF-8 sequence, which every character of the block is.
std::optional<char32_t> blockCharacter(std::string_view text) {
    if (text.size() != 3) {
        return std::nullopt;
    }
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if ((byte(0) & 0xF0U) != 0xE0U || (byte(1) & 0xC0U) != 0x80U || (byte(2) & 0xC0U) != 0x80U) {
        return std::nullopt;
    }
    const char32_t point = ((byte(0) & 0x0FU) << 12) | ((byte(1) & 0x3FU) << 6) | (byte(2) & 0x3FU);
    return point >= kBlockStart && point <= kBlockEnd ? std::optional(point) : std::nullopt;
}

}  // namespace

std::variant<int, std::string> glyphTarget(std::string_view text, FontKind kind) {
    text = trimmed(text);
    const int count = glyphCount(kind);
    std::optional<int> index;
    if (const auto character = blockCharacter(text)) {
        index = static_cast<int>(*character - kBlockStart);
    } else if (text.starts_with("Code:") || text.starts_with("code:")) {
        const auto code = number(trimmed(text.substr(5)), 16);
        if (code && kind == FontKind::Hindi) {
            index = *code - static_cast<int>(kBlockStart);
        } else {
            index = code;
        }
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        index = number(text.substr(2), 16);
    } else {
        index = number(text, 10);
    }
    if (!index) {
        return std::string("\"") + std::string(text) +
               "\" is no glyph: give an index (21 or 0x15), a code (Code: 0915) or a Devanagari letter";
    }
    if (*index < 0 || *index >= count) {
        return "There is no such glyph in a " + std::string(kind == FontKind::Hindi ? "Hindi" : "Jukta512") +
               " font, whose glyphs are 0.." + std::to_string(count - 1);
    }
    return *index;
}

}  // namespace ledfont::editor
