#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "font/Glyph.h"

namespace ledfont::import {

class OutlineSource;

// The font a seeded font is set beside: an outline font file, or an installed family when no file of that
// name exists, drawn at the size and on the rows where its क is `ka`, the seeded font's (or at `size` when
// it is given), so its words stand on the same rows as the sign's. Throws SourceError for a source that
// cannot be read or has no क.
class SourceDrawing {
  public:
    SourceDrawing(const std::string& source, const Glyph& ka, int size);
    ~SourceDrawing();
    SourceDrawing(const SourceDrawing&) = delete;
    SourceDrawing& operator=(const SourceDrawing&) = delete;

    // "NotoSansDevanagari-Regular.ttf at 11 pixels".
    const std::string& name() const { return name_; }
    // The source's drawing of `text` on the 16 rows, column 0 its first with ink.
    std::vector<std::uint16_t> draw(std::u32string_view text) const;
    // Whether the source, too, shows the virama of the cluster.
    bool drawsVirama(std::u32string_view cluster) const;

  private:
    std::unique_ptr<OutlineSource> source_;
    std::string name_;
    int rowShift_ = 0;
};

}  // namespace ledfont::import
