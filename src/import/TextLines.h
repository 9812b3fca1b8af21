#pragma once

#include <cstddef>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace ledfont::import {

// A source's text line by line, read from a stream as it goes: lines end at LF, one CR before it dropped; the
// last line may lack its LF. A line longer than kLongestLine characters is a fault at once, so that a binary
// file or one without line ends is refused after its first few kilobytes instead of being read whole.
class TextLines {
  public:
    static constexpr std::size_t kLongestLine = 4096;

    explicit TextLines(std::istream& in) : in_(in) {}

    // The next line into `line`, valid until the next call; false at the end of the stream. Throws
    // SourceError for a line too long, ledfont::Error when the stream cannot be read.
    bool next(std::string_view& line);
    long number() const { return number_; }

  private:
    std::istream& in_;
    std::string line_;
    long number_ = 0;
};

// The words of a line, split at blanks and tabs.
std::vector<std::string_view> wordsOf(std::string_view line);

// The value of a hexadecimal digit of either case, -1 for any other character.
int hexDigit(char c);

// A character as a message shows it: 'G', or (byte 0A) for what does not print.
std::string shownChar(char c);

// The whole content of a file of at most `limit` bytes; throws SourceError for a longer one (after reading
// no more than limit + 1 bytes) and ledfont::Error with the path when it cannot be read.
std::string readWholeFile(const std::filesystem::path& path, std::size_t limit);

// The first `count` bytes of a file, fewer when it is shorter; throws ledfont::Error as readWholeFile does.
std::string readFirstBytes(const std::filesystem::path& path, std::size_t count);

}  // namespace ledfont::import
