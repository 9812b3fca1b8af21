#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "font/Error.h"

// Small reference models the fuzz targets hold the real code against. They are written from the file
// rules, not from the readers, and favour plainness over speed.
namespace ledfont::fuzz {

// Stops the run with a message libFuzzer shows next to the input that caused it.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void check(bool ok, const char* what) {
    if (!ok) {
        fail(what);
    }
}

// The outcome of converting one text: a byte, or the code of the error.
struct Conversion {
    std::optional<std::uint8_t> value;
    ErrorCode error = ErrorCode::TypeMismatch;
};

inline bool blank(char c) {
    return c == ' ' || c == '\t';
}

inline std::string_view trimmed(std::string_view s) {
    std::size_t first = 0;
    while (first < s.size() && blank(s[first])) {
        ++first;
    }
    std::size_t last = s.size();
    while (last > first && blank(s[last - 1])) {
        --last;
    }
    return s.substr(first, last - first);
}

// Decimal digits, or "&H"/"&h" and hexadecimal digits, blanks around ignored, of value 0..255. The size
// is judged on the digits without leading zeros, so any length of number is handled.
inline Conversion modelTextToByte(std::string_view text) {
    std::string_view t = trimmed(text);
    std::string_view digits = t;
    std::string_view allowed = "0123456789";
    int base = 10;
    if (t.size() >= 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h')) {
        digits = t.substr(2);
        allowed = "0123456789abcdefABCDEF";
        base = 16;
    }
    if (digits.empty() || digits.find_first_not_of(allowed) != std::string_view::npos) {
        return {std::nullopt, ErrorCode::TypeMismatch};
    }
    std::size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string_view::npos) {
        return {std::uint8_t{0}, ErrorCode::TypeMismatch};
    }
    std::string_view significant = digits.substr(firstSignificant);
    if (significant.size() > 3) {
        return {std::nullopt, ErrorCode::Overflow};
    }
    unsigned long value = std::stoul(std::string(significant), nullptr, base);
    if (value > 255) {
        return {std::nullopt, ErrorCode::Overflow};
    }
    return {static_cast<std::uint8_t>(value), ErrorCode::TypeMismatch};
}

// One field of a font text or conjunct list as the reading rules split the input.
struct ModelField {
    std::string text;     // blanks around removed
    long line = 1;        // 1-based line the field stands on
    std::size_t end = 0;  // offset just after the field's separator (or the input's end)
};

// Fields separated by commas and line ends (CR LF, LF, CR each one line end). A final line end closes the
// last field without opening another; a final comma opens an empty one.
struct ModelFields {
    std::vector<ModelField> fields;
    long endLine = 1;  // the line on which the input ends
};

// Splits at most `limit` fields; endLine is then meaningless.
inline ModelFields splitFields(std::string_view in, std::size_t limit = SIZE_MAX) {
    ModelFields out;
    out.fields.reserve(std::min(limit, in.size() + 1));
    long line = 1;
    // A UTF-8 byte order mark at the very start is no part of the first field.
    std::size_t start = in.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    std::size_t i = start;
    auto close = [&](std::size_t stop, std::size_t after) {
        out.fields.push_back({std::string(trimmed(in.substr(start, stop - start))), line, after});
    };
    while (i < in.size() && out.fields.size() < limit) {
        char c = in[i];
        if (c == ',') {
            close(i, i + 1);
            start = ++i;
        } else if (c == '\r' || c == '\n') {
            std::size_t after = i + 1;
            if (c == '\r' && after < in.size() && in[after] == '\n') {
                ++after;
            }
            close(i, after);
            ++line;
            start = i = after;
        } else {
            ++i;
        }
    }
    if (out.fields.size() >= limit) {
        return out;
    }
    bool endsOnLineEnd = !in.empty() && (in.back() == '\r' || in.back() == '\n');
    if (!in.empty() && (start < in.size() || in.back() == ',')) {
        close(in.size(), in.size());
    }
    out.endLine = endsOnLineEnd && line > 1 ? line - 1 : line;
    return out;
}

// A read-only stream buffer over the fuzz input that tells how far a reader got.
class InputBuffer : public std::streambuf {
  public:
    explicit InputBuffer(std::string_view bytes) {
        char* begin = const_cast<char*>(bytes.data());
        setg(begin, begin, begin + bytes.size());
    }
    std::size_t consumed() const { return static_cast<std::size_t>(gptr() - eback()); }
};

}  // namespace ledfont::fuzz
