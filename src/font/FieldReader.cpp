#include "font/FieldReader.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "font/Error.h"
#include "font/TextToByte.h"

namespace ledfont {

namespace {

bool isSeparator(char c) {
    return c == ',' || c == '\n' || c == '\r';
}

// The bytes of `word` equal to `c` get their top bit set, and so may bytes above the lowest of them.
constexpr std::uint64_t kOnes = 0x0101010101010101;
std::uint64_t bytesEqual(std::uint64_t word, char c) {
    const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
    return (x - kOnes) & ~x & (kOnes << 7);
}

// A top bit set in each of the eight bytes at `p` that is a comma or a line end, read little-endian; bytes
// after the first such one may be marked wrongly, so only the lowest set bit counts.
std::uint64_t separatorBits(const char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return bytesEqual(word, ',') | bytesEqual(word, '\n') | bytesEqual(word, '\r');
}

// The first comma or line end in [p, end), or `end`.
const char* findSeparator(const char* p, const char* end) {
    while (p != end && !isSeparator(*p)) {
        ++p;
    }
    return p;
}

const char* skipBlanks(const char* p, const char* end) {
    while (p != end && isBlank(*p)) {
        ++p;
    }
    return p;
}

// Bit i set where byte i of the 64 at `p` is a CR. Unlike bytesEqual the test is exact for every byte, and
// each word's eight marks are gathered into one byte of the result by a multiplication.
std::uint64_t carriageReturns(const char* p) {
    constexpr std::uint64_t kLow7 = kOnes * 0x7f;
    constexpr std::uint64_t kGather = 0x0102040810204080;
    std::uint64_t bits = 0;
    for (int w = 0; w < 8; ++w) {
        std::uint64_t word = 0;
        std::memcpy(&word, p + 8 * w, sizeof word);
        const std::uint64_t x = word ^ (kOnes * '\r');
        const std::uint64_t zero = ~(((x & kLow7) + kLow7) | x) & (kOnes << 7);
        bits |= ((zero >> 7) * kGather >> 56) << (8 * w);
    }
    return bits;
}

// The value of the `n` (1..3) bytes at `p` read as decimal digits, or 256 or more when one is not a digit.
// Four bytes at `p` must be readable. The digits are shifted into a three-digit frame padded with '0', so
// no length needs a branch of its own.
unsigned plainValue(const char* p, std::size_t n) {
    std::uint32_t word = 0;
    std::memcpy(&word, p, sizeof word);
    const auto pad = static_cast<unsigned>(8 * (3 - n));
    const std::uint32_t frame = ((word << pad) & 0xFFFFFF) | (0x303030u & ((1u << pad) - 1));
    // A byte outside '0'..'9' sets its top bit in one of the two; the lowest such byte cannot be hidden by a
    // carry or borrow, since every byte below it is a digit.
    const std::uint32_t notDigits = ((frame + 0x464646) | (frame - 0x303030)) & 0x808080;
    const std::uint32_t digits = frame - 0x303030;
    const unsigned value = (digits & 0xFF) * 100 + (digits >> 8 & 0xFF) * 10 + (digits >> 16 & 0xFF);
    return notDigits != 0 ? 256 : value;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool FieldReader::fill() {
    if (atEnd_) {
        return false;
    }
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    if (in_.bad()) {
        atEnd_ = true;
        throw Error(ErrorCode::DeviceIOError);
    }
    pos_ = 0;
    end_ = static_cast<std::size_t>(in_.gcount());
    if (end_ == 0) {
        atEnd_ = true;
        return false;
    }
    // Notepad starts a UTF-8 file with a byte order mark; it is no part of the first field.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (!started_) {
        started_ = true;
        if (std::string_view(buffer_.data(), end_).starts_with(kByteOrderMark)) {
            pos_ = kByteOrderMark.size();
            return pos_ != end_ || fill();
        }
    }
    return true;
}

void FieldReader::takeSeparator(char c) {
    ++pos_;
    lastWasLineEnd_ = c != ',';
    if (c == ',') {
        fieldAfterComma_ = true;
        return;
    }
    if (c == '\r' && peek() == '\n') {
        ++pos_;
    }
    ++line_;
}

void FieldReader::skipField() {
    while (pos_ != end_ || fill()) {
        const char* begin = buffer_.data() + pos_;
        const char* end = buffer_.data() + end_;
        const char* stop = findSeparator(begin, end);
        lastWasLineEnd_ = lastWasLineEnd_ && stop == begin;
        pos_ = static_cast<std::size_t>(stop - buffer_.data());
        if (stop != end) {
            takeSeparator(*stop);
            return;
        }
    }
}

std::size_t FieldReader::takePlainValues(std::uint8_t* out, std::size_t max) {
    if (std::endian::native != std::endian::little || skipRest_) {
        return 0;
    }
    constexpr std::ptrdiff_t kBlock = 64;
    const char* const data = buffer_.data();
    const char* const end = data + end_;
    const char* field = data + pos_;
    std::size_t taken = 0;
    // Each block's line ends are found at once, then its fields are walked from one CR to the next. A block
    // is taken only with four bytes after it, for the LF after a CR on its last byte and the word loaded at a
    // field start.
    while (taken < max && end - field >= kBlock + 4) {
        const char* const block = field;
        for (std::uint64_t crs = carriageReturns(block); crs != 0; crs &= crs - 1) {
            const char* cr = block + std::countr_zero(crs);
            const auto n = static_cast<std::size_t>(cr - field);
            if (n - 1 >= 3 || cr[1] != '\n') {
                max = taken;
                break;
            }
            const unsigned value = plainValue(field, n);
            if (value > 255) {
                max = taken;
                break;
            }
            out[taken++] = static_cast<std::uint8_t>(value);
            field = cr + 2;
            if (taken == max) {
                break;
            }
        }
        if (field == block) {
            max = taken;  // no CR in the block: its first field is longer than a plain one
        }
    }
    // The last bytes of the buffer, field by field.
    while (taken < max) {
        const auto left = static_cast<std::size_t>(end - field);
        std::size_t n = 0;
        unsigned value = 0;
        while (n < 3 && n < left && isDigit(field[n])) {
            value = value * 10 + static_cast<unsigned>(field[n] - '0');
            ++n;
        }
        if (n == 0 || n + 2 > left || field[n] != '\r' || field[n + 1] != '\n' || value > 255) {
            break;
        }
        out[taken++] = static_cast<std::uint8_t>(value);
        field += n + 2;
    }
    if (taken != 0) {
        pos_ = static_cast<std::size_t>(field - data);
        line_ += static_cast<long>(taken);
        lastWasLineEnd_ = true;
        fieldAfterComma_ = false;
        cut_ = false;
    }
    return taken;
}

bool FieldReader::next(std::string& field, long& line) {
    if (skipRest_) {
        skipRest_ = false;
        skipField();
    }
    cut_ = false;
    line = line_;
    // The usual field is short and lies whole in the buffer before its separator, with no blank at either
    // end: it is found with one look at eight bytes and taken as it stands.
    if (std::endian::native == std::endian::little && end_ - pos_ >= sizeof(std::uint64_t)) {
        const char* begin = buffer_.data() + pos_;
        const std::uint64_t hits = separatorBits(begin);
        const auto n = static_cast<std::size_t>(std::countr_zero(hits) / 8);
        if (hits != 0 && n <= kMaxFieldChars && (n == 0 || (!isBlank(begin[0]) && !isBlank(begin[n - 1])))) {
            // Eight bytes and a cut cost less than a copy of varying length.
            field.assign(begin, sizeof(std::uint64_t));
            field.resize(n);
            fieldAfterComma_ = false;
            pos_ += n;
            takeSeparator(begin[n]);
            return true;
        }
    }
    field.clear();
    bool any = fieldAfterComma_;
    fieldAfterComma_ = false;
    // `field` holds the text from its first non-blank on, at most kMaxFieldChars of it; `kept` is its length
    // up to its last non-blank, since the blanks after that are dropped unless more text follows.
    std::size_t kept = 0;
    for (;;) {
        if (pos_ == end_ && !fill()) {
            field.resize(kept);
            return any;
        }
        any = true;
        const char* begin = buffer_.data() + pos_;
        const char* end = buffer_.data() + end_;
        const char* stop = findSeparator(begin, end);
        if (stop != begin) {
            lastWasLineEnd_ = false;
        }
        const char* p = field.empty() ? skipBlanks(begin, stop) : begin;
        if (p != stop) {
            const auto n = std::min(static_cast<std::size_t>(stop - p), kMaxFieldChars - field.size());
            const char* last = p + n;
            while (last != p && isBlank(last[-1])) {
                --last;
            }
            if (last != p) {
                kept = field.size() + static_cast<std::size_t>(last - p);
            }
            field.append(p, n);
            // A full field takes no more text: blanks may still be trailing, anything else cuts it.
            p = skipBlanks(p + n, stop);
            if (p != stop) {
                pos_ = static_cast<std::size_t>(p + 1 - buffer_.data());
                field.resize(kept);
                cut_ = true;
                skipRest_ = true;
                return true;
            }
        }
        pos_ = static_cast<std::size_t>(stop - buffer_.data());
        if (stop != end) {
            takeSeparator(*stop);
            field.resize(kept);
            return true;
        }
    }
}

}  // namespace ledfont
