#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/FontPath.h"
#include "font/InputFile.h"
#include "import/GlyphSource.h"

namespace ledfont::import {

// A bitmap font read whole: the images of the Devanagari block, one a code point, as Unifont's .hex and BDF
// readers keep them. A text other than one code point of the block is missing.
class BlockSource : public GlyphSource {
  public:
    std::optional<GlyphImage> image(std::u32string_view text) const override {
        if (text.size() != 1 || text[0] < kBlockFirst || text[0] >= kBlockFirst + kBlockSize) {
            return std::nullopt;
        }
        return block_[text[0] - kBlockFirst];
    }

  protected:
    std::array<std::optional<GlyphImage>, kBlockSize> block_;
};

// A reader of type Source, which reads a stream, on a text held in memory.
template <class Source>
Source readSourceText(std::string_view text) {
    std::istringstream in{std::string(text)};
    return Source(in);
}

// A reader of type Source on a file: its faults carry the file's path, a failed read is a device error.
template <class Source>
Source readSourceFile(const std::filesystem::path& path) {
    std::ifstream in = openInputFile(path);
    try {
        Source source(in);
        if (in.bad()) {
            throw Error(ErrorCode::DeviceIOError, placeOfPath(utf8FromPath(path)));
        }
        return source;
    } catch (const SourceError& e) {
        throw e.withPath(utf8FromPath(path));
    }
}

}  // namespace ledfont::import
