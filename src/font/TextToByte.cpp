#include "font/TextToByte.h"

#include <algorithm>

#include "font/Error.h"

namespace ledfont {

namespace {

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') {
        v = c - '0';
    } else if (c >= 'A' && c <= 'F') {
        v = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
        v = c - 'a' + 10;
    }
    return v < base ? v : -1;
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::uint8_t textToByte(std::string_view text) {
    // Nearly every value in a font file is one to three decimal digits and nothing else: those are converted
    // without a branch on how many there are (the loads repeat the last digit of a shorter text).
    const std::size_t n = text.size();
    if (n - 1 < 3) {
        const unsigned d0 = static_cast<unsigned>(text[0] - '0');
        const unsigned d1 = static_cast<unsigned>(text[std::min<std::size_t>(1, n - 1)] - '0');
        const unsigned d2 = static_cast<unsigned>(text[n - 1] - '0');
        if (d0 < 10 && d1 < 10 && d2 < 10) {
            const unsigned two = d0 * 10 + d1;
            const unsigned value = n == 1 ? d0 : n == 2 ? two : two * 10 + d2;
            if (value > 255) {
                throw Error(ErrorCode::Overflow);
            }
            return static_cast<std::uint8_t>(value);
        }
    }
    text = trimBlanks(text);
    int base = 10;
    if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        throw Error(ErrorCode::TypeMismatch);
    }
    // Check every digit before judging the size, so "999x" is a type mismatch and not an overflow.
    unsigned value = 0;
    bool tooBig = false;
    for (char c : text) {
        int d = digitValue(c, base);
        if (d < 0) {
            throw Error(ErrorCode::TypeMismatch);
        }
        if (!tooBig) {
            value = value * static_cast<unsigned>(base) + static_cast<unsigned>(d);
            tooBig = value > 255;
        }
    }
    if (tooBig) {
        throw Error(ErrorCode::Overflow);
    }
    return static_cast<std::uint8_t>(value);
}

std::string hexText(unsigned long value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (; value > 0 || digits > 0; value /= 16, --digits) {
        text.insert(text.begin(), kDigits[value % 16]);
    }
    return text;
}

}  // namespace ledfont
