#include "compose/Utf8.h"

namespace ledfont::compose {

namespace {

// Length of the sequence a lead byte begins and the bits it carries; 0 for a byte no sequence begins with.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

}  // namespace

std::u32string decodeUtf8(std::string_view text) {
    std::u32string codes;
    codes.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = sequenceLength(lead);
        if (length == 1) {
            codes.push_back(lead);
            ++i;
            continue;
        }
        char32_t code = length == 2 ? lead & 0x1Fu : length == 3 ? lead & 0x0Fu : lead & 0x07u;
        int taken = length == 0 ? 0 : 1;
        while (taken > 0 && taken < length && i + static_cast<std::size_t>(taken) < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(taken)]);
            if ((next & 0xC0) != 0x80) {
                break;
            }
            code = (code << 6) | (next & 0x3Fu);
            ++taken;
        }
        const bool whole = length > 1 && taken == length;
        const bool valid = whole && !(length == 3 && code < 0x800) && !(length == 4 && code < 0x10000) &&
                           !(code >= 0xD800 && code <= 0xDFFF) && code <= 0x10FFFF;
        if (valid) {
            codes.push_back(code);
            i += static_cast<std::size_t>(length);
        } else {
            codes.push_back(kReplacement);
            i += static_cast<std::size_t>(taken == 0 ? 1 : taken);
        }
    }
    return codes;
}

std::string encodeUtf8(char32_t code) {
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        code = kReplacement;
    }
    std::string bytes;
    if (code < 0x80) {
        bytes += static_cast<char>(code);
    } else if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | (code >> 6));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += static_cast<char>(0xE0 | (code >> 12));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (code >> 18));
        bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
    return bytes;
}

std::string encodeUtf8(std::u32string_view text) {
    std::string bytes;
    for (char32_t code : text) {
        bytes += encodeUtf8(code);
    }
    return bytes;
}

}  // namespace ledfont::compose
