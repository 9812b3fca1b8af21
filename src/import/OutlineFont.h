#pragma once

#include <string>
#include <vector>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "import/GlyphSource.h"

namespace ledfont::import {

// Whether this build reads outline fonts (FreeType, HarfBuzz and fontconfig were found when it was built).
bool outlineFontsAvailable();

// A TrueType or OpenType font, shaped by HarfBuzz and rendered monochrome by FreeType at one pixel size for
// the whole font, every glyph on the same baseline, so that the headline lies on one row throughout. A text
// whose shaping needs a glyph the font lacks is missing. The ink of the whole text is placed: a conjunct is
// what the font's shaping makes of it (a ligature, half forms), not its letters side by side.
class OutlineSource : public GlyphSource {
  public:
    // Opens the font; `pixelSize` 0 takes the largest size at which the ink of the Devanagari block fits
    // the 16 rows. Throws SourceError for a file that is not a font this build can read (and in a build
    // without outline fonts, for every file), ledfont::Error for a file that cannot be opened.
    OutlineSource(const std::filesystem::path& path, int pixelSize);
    ~OutlineSource() override;
    OutlineSource(const OutlineSource&) = delete;
    OutlineSource& operator=(const OutlineSource&) = delete;

    std::optional<GlyphImage> image(std::u32string_view text) const override;
    // The mark's glyphs of the shaped base + mark, so that the font's mark anchors place it.
    std::optional<GlyphImage> markImage(char32_t base, char32_t mark) const override;

    int pixelSize() const;
    // The number of glyphs the font's shaping makes of `text`.
    std::size_t shapedGlyphCount(std::u32string_view text) const;

  private:
    struct Face;
    std::unique_ptr<Face> face_;
};

// The file of the installed font of `family` (regular style where there is one), found through fontconfig.
// Throws SourceError when no installed font has that family or when the build has no outline fonts.
std::filesystem::path findSystemFont(const std::string& family);

// The families of the installed fonts that have Devanagari letters, sorted; none without outline fonts.
std::vector<std::string> devanagariFamilies();

}  // namespace ledfont::import
