#include "font/FieldReader.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

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
