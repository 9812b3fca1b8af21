#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ledfont::import {

// Splits a text into lines at LF, dropping one CR before it; the last line may lack its LF.
class TextLines {
  public:
    explicit TextLines(std::string_view text) : rest_(text) {}

    // The next line into `line`; false at the end of the text.
    bool next(std::string_view& line) {
        if (rest_.empty()) {
            return false;
        }
        const std::size_t lf = rest_.find('\n');
        line = rest_.substr(0, lf);
        rest_.remove_prefix(lf == std::string_view::npos ? rest_.size() : lf + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        ++number_;
        return true;
    }
    long number() const { return number_; }

  private:
    std::string_view rest_;
    long number_ = 0;
};

// The words of a line, split at blanks and tabs.
std::vector<std::string_view> wordsOf(std::string_view line);

// The value of a hexadecimal digit of either case, -1 for any other character.
int hexDigit(char c);

// A character as a message shows it: 'G', or (byte 0A) for what does not print.
std::string shownChar(char c);

// The whole content of a file; throws ledfont::Error with the path when it cannot be read.
std::string readWholeFile(const std::filesystem::path& path);

}  // namespace ledfont::import
