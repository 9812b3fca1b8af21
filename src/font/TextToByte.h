#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ledfont {

// Blanks that a field may carry around its text.
constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
std::string_view trimBlanks(std::string_view text);

// The text-to-byte conversion of the font files: decimal digits, or "&H" followed by hexadecimal digits,
// with blanks around ignored. A number above 255 throws Overflow; anything else that is not such a
// number (the empty text, signs, fractions, letters) throws TypeMismatch.
std::uint8_t textToByte(std::string_view text);

// `value` in upper-case hexadecimal, zero-padded to `digits` (more digits when it needs them): the one
// place that writes hexadecimal text.
std::string hexText(unsigned long value, int digits);

// A code point as messages name it: "U+0915", "U+10FFFF".
inline std::string codePointName(unsigned long code) {
    return "U+" + hexText(code, 4);
}

// A byte as two upper-case hexadecimal digits, "00".."FF": the form the HEX records, the glyph codes and
// the conjunct lists all use.
inline std::string byteToHexText(std::uint8_t value) {
    return hexText(value, 2);
}

}  // namespace ledfont
