#include "import/TextLines.h"

#include <algorithm>
#include <iterator>
#include <streambuf>
#include <utility>

#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/InputFile.h"
#include "font/TextToByte.h"
#include "import/GlyphSource.h"

namespace ledfont::import {

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        words.push_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::string shownChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u > 0x20 && u < 0x7F) {
        return std::string("'") + c + "'";
    }
    return "(byte " + byteToHexText(u) + ")";
}

bool TextLines::next(std::string_view& line) {
    std::streambuf& in = *in_.rdbuf();
    line_.clear();
    using Traits = std::streambuf::traits_type;
    Traits::int_type c = in.sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) {
        return false;
    }
    ++number_;
    while (!Traits::eq_int_type(c, Traits::eof()) && Traits::to_char_type(c) != '\n') {
        if (line_.size() == kLongestLine) {
            throw SourceError(number_, "the line is longer than " + std::to_string(kLongestLine) +
                                           " characters (is this a text file?)");
        }
        line_.push_back(Traits::to_char_type(c));
        c = in.sbumpc();
    }
    if (line_.ends_with('\r')) {
        line_.pop_back();
    }
    line = line_;
    return true;
}

namespace {

// Up to `count` bytes of `path`, read a chunk at a time so that only what the file holds is kept, and whether
// the file goes on past them.
std::pair<std::string, bool> readBytes(const std::filesystem::path& path, std::size_t count) {
    constexpr std::size_t kChunk = std::size_t{1} << 16;
    std::ifstream in = openInputFile(path);
    std::string bytes;
    while (bytes.size() < count && in) {
        const std::size_t at = bytes.size();
        bytes.resize(at + std::min(kChunk, count - at));
        in.read(bytes.data() + at, static_cast<std::streamsize>(bytes.size() - at));
        bytes.resize(at + static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        throw Error(ErrorCode::DeviceIOError, placeOfPath(utf8FromPath(path)));
    }
    const bool more = in && in.peek() != std::ifstream::traits_type::eof();
    return {std::move(bytes), more};
}

}  // namespace

std::string readWholeFile(const std::filesystem::path& path, std::size_t limit) {
    auto [bytes, more] = readBytes(path, limit);
    if (more) {
        throw SourceError(0, "is larger than " + std::to_string(limit >> 20) + " MiB, too large for a font",
                          utf8FromPath(path));
    }
    return std::move(bytes);
}

std::string readFirstBytes(const std::filesystem::path& path, std::size_t count) {
    return readBytes(path, count).first;
}

}  // namespace ledfont::import
