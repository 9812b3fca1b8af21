#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    std::optional<GlyphImage> markImage(std::u32string_view base, char32_t mark) const override;

    int pixelSize() const;
    // The size at which the font draws `code` most nearly as `columns` (bit r of a column the LED in row r)
    // and the rows that ink is moved down by there, so drawLine(text, rowShift) sets a text on the rows of
    // a font seeded from this one; the source is left at that size. How many LEDs still differ says how
    // good the fit is; `size` > 0 tries that size only. Size 0 when the font cannot draw `code` or `columns`
    // has no ink.
    struct Fit {
        int size = 0;
        int rowShift = 0;
        int differing = 0;
    };
    Fit fitTo(char32_t code, const std::array<std::uint16_t, kGlyphColumns>& columns, int size = 0);
    // Draws the font at another size from now on, the block's ink placed on the rows anew.
    void setPixelSize(int pixelSize);
    // The ink of `text` as the font shapes and draws it, to set a composed line beside: column by column,
    // bit r the pixel in row r of the rows image() gives, moved down by `rowShift`, column 0 the first
    // with ink. Ink off the 16 rows is left out. Empty when the font lacks a glyph the text needs.
    std::vector<std::uint16_t> drawLine(std::u32string_view text, int rowShift = 0) const;
    // Whether the font's shaping of `text` shows the virama as a sign of its own, as where it has no
    // conjunct form for the cluster.
    bool drawsVirama(std::u32string_view text) const;
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
