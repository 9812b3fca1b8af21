#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <span>
#include <string>

namespace ledfont {

// Sequential field input of font text. Fields are separated by a comma or a line end; CR LF, LF and CR each
// count as one line end, and blanks (space, tab) around a field are dropped. A UTF-8 byte order mark at the
// very start is skipped. A file that ends with a line end
// has no empty field after it; an empty file has no field; a comma always separates two fields, so "1," holds
// "1" and "". The input is read through a fixed-size buffer and never further than the fields asked for need,
// so a huge file with a good start costs what its start costs, and one without separators what its first
// kMaxFieldChars bytes cost.
class FieldReader {
  public:
    static constexpr std::size_t kBufferSize = 4096;
    // A field longer than this keeps only its start (see fieldCut), so memory stays bounded on garbage input.
    // Trailing blanks do not count.
    static constexpr std::size_t kMaxFieldChars = 1024;

    explicit FieldReader(std::istream& in) : in_(in), buffer_(ownBuffer_) {}
    // Reads through `buffer` instead of one of kBufferSize, so that a larger one takes a file in fewer reads;
    // the input is then read no further than the fields asked for and buffer.size() bytes.
    FieldReader(std::istream& in, std::span<char> buffer) : in_(in), buffer_(buffer) {}
    FieldReader(const FieldReader&) = delete;
    FieldReader& operator=(const FieldReader&) = delete;

    // Reads the next field and the 1-based line it stands on; false when the input holds no more fields.
    // A failing stream throws Error(DeviceIOError).
    bool next(std::string& field, long& line);

    // Takes, up to `max` of them, the next fields that are one to three decimal digits worth at most 255,
    // each ended by CR LF, writes their values to `out` and returns how many it took. It stops at the first
    // other field, which next() then reads, and never reads the input further: those fields are what next()
    // and textToByte would give, only found without a string or a call for each. Taking none is fine.
    std::size_t takePlainValues(std::uint8_t* out, std::size_t max);

    // True when next() would find another field. Looks at one byte at most, so it stays cheap on any input;
    // after a cut field the unread rest of that field counts as more input.
    bool hasNext() { return fieldAfterComma_ || peek() >= 0; }

    // True when the field last read was longer than kMaxFieldChars; `field` then holds only its start. Its
    // rest is not read by that call: the next call skips it first, so a reader that stops at a cut field
    // never reads on through a field of any length.
    bool fieldCut() const { return cut_; }

    // The line on which the input ended (the last line of the file, 1 for an empty file), once next() has
    // returned false.
    long endLine() const { return lastWasLineEnd_ && line_ > 1 ? line_ - 1 : line_; }

  private:
    // The next byte without taking it, or -1 at the end of the input.
    int peek() {
        if (pos_ == end_ && !fill()) {
            return -1;
        }
        return static_cast<unsigned char>(buffer_[pos_]);
    }
    bool fill();
    // Takes the separator `c` standing at the read position.
    void takeSeparator(char c);
    // Reads on past the rest of a cut field and its separator.
    void skipField();

    std::istream& in_;
    std::array<char, kBufferSize> ownBuffer_{};
    std::span<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    long line_ = 1;
    bool lastWasLineEnd_ = false;
    bool fieldAfterComma_ = false;
    bool cut_ = false;
    bool skipRest_ = false;  // the field last returned was cut and its rest not yet read
    bool started_ = false;   // the first bytes were read, and a byte order mark before them skipped
};

}  // namespace ledfont
