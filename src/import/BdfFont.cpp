#include "import/BdfFont.h"

#include <charconv>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/FontPath.h"
#include "font/InputFile.h"
#include "font/TextToByte.h"
#include "import/BlockSource.h"
#include "import/TextLines.h"

namespace ledfont::import {

namespace {

constexpr long long kLargest = 1 << 20;

class BdfParser {
  public:
    explicit BdfParser(std::array<std::optional<GlyphImage>, kBlockSize>& block) : block_(block) {}

    void line(std::string_view text, long lineNumber) {
        number_ = lineNumber;
        const std::vector<std::string_view> words = wordsOf(text);
        if (inBitmap_) {
            bitmapLine(words);
            return;
        }
        if (words.empty() || words[0] == "COMMENT") {
            return;
        }
        const std::string_view key = words[0];
        if (!started_) {
            if (key != "STARTFONT") {
                fail("not a BDF font: expected STARTFONT, found \"" + displayValue(text) + "\"");
            }
            started_ = true;
        } else if (ended_) {
            fail("\"" + displayValue(text) + "\" follows ENDFONT");
        } else if (key == "FONT_ASCENT") {
            ascent_ = numberAt(words, 1);
        } else if (key == "FONT_DESCENT") {
            descent_ = numberAt(words, 1);
        } else if (key == "FONTBOUNDINGBOX") {
            boxHeight_ = numberAt(words, 2);
            boxY_ = numberAt(words, 4);
            hasBox_ = true;
        } else if (key == "CHARS") {
            chars_ = numberAt(words, 1);
        } else if (key == "STARTCHAR") {
            startChar();
        } else if (key == "ENCODING") {
            requireChar(key);
            code_ = numberAt(words, 1);
        } else if (key == "BBX") {
            requireChar(key);
            width_ = numberAt(words, 1);
            height_ = numberAt(words, 2);
            y_ = numberAt(words, 4);
            if (width_ < 0 || height_ < 0) {
                fail("BBX " + std::to_string(width_) + " " + std::to_string(height_) + " is negative");
            }
            hasBbx_ = true;
        } else if (key == "BITMAP") {
            startBitmap();
        } else if (key == "ENDCHAR") {
            fail("ENDCHAR without BITMAP");
        } else if (key == "ENDFONT") {
            if (inChar_) {
                fail("ENDFONT inside glyph " + glyphName_);
            }
            if (chars_ >= 0 && chars_ != glyphs_) {
                fail("CHARS says " + std::to_string(chars_) + " glyphs, the font has " +
                     std::to_string(glyphs_));
            }
            ended_ = true;
        }
    }

    void end(long lines) {
        number_ = lines + 1;
        if (!started_) {
            fail("not a BDF font: no STARTFONT");
        }
        if (inBitmap_) {
            fail("the font ends inside the BITMAP of glyph " + glyphName_);
        }
        if (!ended_) {
            fail("the font ends without ENDFONT");
        }
    }

  private:
    [[noreturn]] void fail(const std::string& fault) const { throw SourceError(number_, fault); }

    long long numberAt(const std::vector<std::string_view>& words, std::size_t index) const {
        if (index >= words.size()) {
            fail(std::string(words[0]) + " needs " + std::to_string(index) + " number" +
                 (index == 1 ? "" : "s"));
        }
        const std::string_view text = words[index];
        long long value = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec != std::errc() || end != text.data() + text.size()) {
            fail(std::string(words[0]) + ": \"" + displayValue(text) + "\" is not a number");
        }
        // Far beyond any bitmap font, and small enough that no sum of them overflows.
        if (value < -kLargest || value > kLargest) {
            fail(std::string(words[0]) + ": " + std::string(text) + " is out of range");
        }
        return value;
    }

    void requireChar(std::string_view key) const {
        if (!inChar_) {
            fail(std::string(key) + " outside STARTCHAR ... ENDCHAR");
        }
    }

    void startChar() {
        if (inChar_) {
            fail("STARTCHAR inside glyph " + glyphName_ + ", which lacks ENDCHAR");
        }
        if (rowsAbove_ < 0) {
            fontRows();
        }
        inChar_ = true;
        hasBbx_ = false;
        code_.reset();
        glyphName_ = "on line " + std::to_string(number_);
    }

    // The font's rows, checked once, before its first glyph.
    void fontRows() {
        if (!ascent_ || !descent_) {
            if (!hasBox_) {
                fail("the font gives neither FONT_ASCENT and FONT_DESCENT nor FONTBOUNDINGBOX");
            }
            ascent_ = ascent_.value_or(boxHeight_ + boxY_);
            descent_ = descent_.value_or(-boxY_);
        }
        if (*ascent_ < 0 || *descent_ < 0 || *ascent_ + *descent_ > kGlyphRows) {
            fail("the font is " + std::to_string(*ascent_ + *descent_) + " rows tall (FONT_ASCENT " +
                 std::to_string(*ascent_) + ", FONT_DESCENT " + std::to_string(*descent_) +
                 "); a glyph has " + std::to_string(kGlyphRows));
        }
        rowsAbove_ = *ascent_;
    }

    void startBitmap() {
        requireChar("BITMAP");
        if (!code_) {
            fail("glyph " + glyphName_ + " has no ENCODING before BITMAP");
        }
        if (!hasBbx_) {
            fail("glyph " + glyphName_ + " has no BBX before BITMAP");
        }
        if (*code_ >= 0) {
            glyphName_ = codePointName(static_cast<unsigned long>(*code_));
            if (!codes_.insert(*code_).second) {
                fail(glyphName_ + " is given a second time");
            }
        }
        inBitmap_ = true;
        rows_ = 0;
        image_ = GlyphImage{};
        firstRow_ = rowsAbove_ - (y_ + height_);
    }

    void bitmapLine(const std::vector<std::string_view>& words) {
        if (words.size() == 1 && words[0] == "ENDCHAR") {
            if (rows_ != height_) {
                fail("BITMAP of " + glyphName_ + " has " + std::to_string(rows_) + " rows, BBX says " +
                     std::to_string(height_));
            }
            finishChar();
            return;
        }
        if (rows_ == height_) {
            fail("BITMAP of " + glyphName_ + " has more than the " + std::to_string(height_) +
                 " rows BBX says (no ENDCHAR)");
        }
        const std::size_t wanted = static_cast<std::size_t>((width_ + 7) / 8) * 2;
        const std::string_view digits = words.empty() ? std::string_view() : words[0];
        if (words.size() > 1 || digits.size() < wanted || digits.size() % 2 != 0) {
            fail("BITMAP row of " + glyphName_ + " is \"" + displayValue(words.empty() ? "" : digits) +
                 "\", expected " + std::to_string(wanted) + " hex digits");
        }
        std::uint32_t row = 0;
        bool cut = false;
        for (std::size_t i = 0; i < digits.size(); ++i) {
            const int d = hexDigit(digits[i]);
            if (d < 0) {
                fail(shownChar(digits[i]) + " in the BITMAP of " + glyphName_ + " is not a hex digit");
            }
            for (int b = 0; b < 4; ++b) {
                const long long column = static_cast<long long>(i) * 4 + b;
                if (((d >> (3 - b)) & 1) == 0 || column >= width_) {
                    continue;
                }
                if (column < kImageColumns) {
                    row |= 1u << column;
                } else {
                    cut = true;
                }
            }
        }
        const long long r = firstRow_ + rows_;
        if (r >= 0 && r < kGlyphRows) {
            image_.rows[static_cast<std::size_t>(r)] = row;
            image_.cut = image_.cut || cut;
        } else {
            image_.cut = image_.cut || row != 0;
        }
        ++rows_;
    }

    void finishChar() {
        if (*code_ >= kBlockFirst && *code_ < kBlockFirst + kBlockSize) {
            block_[static_cast<std::size_t>(*code_) - kBlockFirst] = image_;
        }
        inBitmap_ = false;
        inChar_ = false;
        ++glyphs_;
    }

    std::array<std::optional<GlyphImage>, kBlockSize>& block_;
    long number_ = 0;
    bool started_ = false;
    bool ended_ = false;
    std::optional<long long> ascent_;
    std::optional<long long> descent_;
    bool hasBox_ = false;
    long long boxHeight_ = 0;
    long long boxY_ = 0;
    long long rowsAbove_ = -1;
    long long chars_ = -1;
    int glyphs_ = 0;
    std::set<long long> codes_;
    // The glyph being read.
    bool inChar_ = false;
    bool inBitmap_ = false;
    std::string glyphName_;
    std::optional<long long> code_;
    bool hasBbx_ = false;
    long long width_ = 0;
    long long height_ = 0;
    long long y_ = 0;
    long long firstRow_ = 0;
    long long rows_ = 0;
    GlyphImage image_;
};

}  // namespace

BdfSource::BdfSource(std::istream& in) {
    BdfParser parser(block_);
    TextLines lines(in);
    std::string_view line;
    while (lines.next(line)) {
        parser.line(line, lines.number());
    }
    parser.end(lines.number());
}

BdfSource::BdfSource(std::string_view text) : BdfSource(readSourceText<BdfSource>(text)) {}

BdfSource BdfSource::fromFile(const std::filesystem::path& path) {
    return readSourceFile<BdfSource>(path);
}

bool looksLikeBdf(std::string_view text) {
    return text.starts_with("STARTFONT ") || text.starts_with("STARTFONT\t");
}

}  // namespace ledfont::import
