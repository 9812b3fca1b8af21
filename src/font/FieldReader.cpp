#include "font/FieldReader.h"

#include "font/Error.h"
#include "font/TextToByte.h"

namespace ledfont {

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

bool FieldReader::endsField(int c) {
    lastWasLineEnd_ = c == '\n' || c == '\r';
    if (c == ',') {
        fieldAfterComma_ = true;
        return true;
    }
    if (lastWasLineEnd_) {
        if (c == '\r' && peek() == '\n') {
            ++pos_;
        }
        ++line_;
        return true;
    }
    return false;
}

bool FieldReader::take(char c, std::string& field) {
    if (isBlank(c)) {
        // Leading blanks are dropped; inner and trailing ones wait until the field goes on.
        if (!field.empty()) {
            if (blanks_.size() < kMaxFieldChars) {
                blanks_ += c;
            }
            ++blankCount_;
        }
        return true;
    }
    if (field.size() + blankCount_ + 1 > kMaxFieldChars) {
        cut_ = true;
        return false;
    }
    field += blanks_;
    field += c;
    blanks_.clear();
    blankCount_ = 0;
    return true;
}

bool FieldReader::next(std::string& field, long& line) {
    if (skipRest_) {
        skipRest_ = false;
        for (int c = get(); c >= 0 && !endsField(c); c = get()) {
        }
    }
    field.clear();
    blanks_.clear();
    blankCount_ = 0;
    cut_ = false;
    line = line_;
    bool any = fieldAfterComma_;
    fieldAfterComma_ = false;
    for (;;) {
        int c = get();
        if (c < 0) {
            return any;
        }
        any = true;
        if (endsField(c)) {
            return true;
        }
        if (!take(static_cast<char>(c), field)) {
            skipRest_ = true;
            return true;
        }
    }
}

}  // namespace ledfont
