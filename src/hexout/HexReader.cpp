#include "hexout/HexReader.h"

#include <string>

#include "font/Error.h"
#include "font/InputFile.h"
#include "hexout/HexParser.h"

namespace ledfont::hexout {

namespace {

using detail::HexParser;

// Cuts text that arrives in pieces into lines for the parser, keeping at most one longest line plus its
// CR of a line that has not ended yet.
class LineSplitter {
  public:
    explicit LineSplitter(HexParser& parser) : parser_(parser) {}

    void feed(std::string_view data) {
        while (!data.empty()) {
            const std::size_t newline = data.find('\n');
            const std::string_view piece = data.substr(0, newline);
            if (newline != std::string_view::npos && pendingLength_ == 0) {
                emit(piece, piece.size());  // the whole line is in this piece: no copy
            } else {
                if (pending_.size() < kKept) {
                    pending_.append(piece.substr(0, kKept - pending_.size()));
                }
                pendingLength_ += piece.size();
                if (newline != std::string_view::npos) {
                    endPending();
                }
            }
            data.remove_prefix(newline == std::string_view::npos ? data.size() : newline + 1);
        }
    }

    void end() {
        if (pendingLength_ > 0) {
            endPending();
        }
    }

  private:
    static constexpr std::size_t kKept = kLongestHexLine + 1;  // room for the CR

    void endPending() {
        emit(pending_, pendingLength_);
        pending_.clear();
        pendingLength_ = 0;
    }

    // `kept` is the start of a line of `length` characters.
    void emit(std::string_view kept, std::size_t length) {
        if (length <= kKept && kept.ends_with('\r')) {
            kept.remove_suffix(1);
            --length;
        }
        parser_.line(kept.substr(0, std::min(length, kLongestHexLine)), length > kLongestHexLine);
    }

    HexParser& parser_;
    std::string pending_;
    std::size_t pendingLength_ = 0;
};

}  // namespace

HexMemory readHex(std::string_view text) {
    HexParser parser;
    LineSplitter lines(parser);
    lines.feed(text);
    lines.end();
    return parser.finish();
}

HexMemory readHex(std::istream& in) {
    HexParser parser;
    LineSplitter lines(parser);
    std::vector<char> block(64 * 1024);
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        lines.feed(std::string_view(block.data(), static_cast<std::size_t>(in.gcount())));
    }
    if (in.bad()) {
        throw Error(ErrorCode::DeviceIOError);
    }
    lines.end();
    return parser.finish();
}

HexMemory readHexFile(const std::filesystem::path& path) {
    std::ifstream in = openInputFile(path);
    return withPathOnError(path, [&] { return readHex(in); });
}

}  // namespace ledfont::hexout
