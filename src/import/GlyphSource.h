#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "font/Glyph.h"

namespace ledfont::import {

// The Devanagari block: glyph i below 128 stands for U+0900 + i.
inline constexpr char32_t kBlockFirst = 0x0900;
inline constexpr int kBlockSize = 128;
inline constexpr char32_t kVirama = 0x094D;
// Sources place ink on up to this many columns before it is moved left onto the 16 of a glyph.
inline constexpr int kImageColumns = 32;

// The ink of one glyph on the LED grid's 16 rows: bit c of rows[r] is the pixel in row r, column c, the
// columns counted from the left of the source's cell.
struct GlyphImage {
    std::array<std::uint32_t, kGlyphRows> rows{};
    bool cut = false;  // ink lay outside the 16 rows or 32 columns and was left out

    bool operator==(const GlyphImage&) const = default;
};

// The text a glyph stands for: U+0900 + i below 128; above, the conjunct of its pair (a, b) as the cluster
// U+0900 + a, virama, U+0900 + b. Empty for a conjunct glyph whose pair is (0, 0), which names none, and for
// a glyph past the Devanagari block of a Hindi-sized table.
std::u32string glyphText(int glyph, std::array<std::uint8_t, kPairBytes> pair);

// A source of glyph ink: a Unifont .hex file, a BDF font, an outline font. Every reader sits behind this one
// interface, so the import knows none of their formats.
class GlyphSource {
  public:
    virtual ~GlyphSource() = default;
    // The ink of `text` (one code point or a conjunct cluster), or nothing when the source lacks it.
    virtual std::optional<GlyphImage> image(std::u32string_view text) const = 0;
    // The ink of the non-spacing mark `mark` placed as the source puts it on `base` (a letter or a conjunct
    // cluster), in the columns of
    // image(base): where a vowel sign sits on a consonant. Nothing when the source cannot say; then
    // image(mark) is all there is. A cell font (Unifont, BDF) draws a mark in the cell it shares with its
    // base, so there it is the mark's own image.
    virtual std::optional<GlyphImage> markImage(std::u32string_view base, char32_t mark) const {
        (void)base;
        return image(std::u32string_view(&mark, 1));
    }
};

// A source that cannot be read: what() is "PATH, line N: fault", or "PATH: fault" when no line is to blame
// (or without the path, as the stream readers throw it before the file reader adds it).
class SourceError : public std::runtime_error {
  public:
    SourceError(long line, const std::string& fault, const std::string& path = {});

    long line() const { return line_; }
    const std::string& fault() const { return fault_; }
    SourceError withPath(const std::string& path) const { return SourceError(line_, fault_, path); }

  private:
    long line_;
    std::string fault_;
};

}  // namespace ledfont::import
