// The BDF reader on arbitrary bytes: it never fails but with SourceError naming a line of the text (or the
// one after it, for a text that ends too early), and what it accepts, written again as plain BDF, reads back
// as the same glyphs.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzModel.h"
#include "import/BdfFont.h"

namespace ledfont::fuzz {
namespace {

long lineCount(std::string_view text) {
    long lines = 0;
    for (std::size_t at = 0; at < text.size(); ++lines) {
        const std::size_t lf = text.find('\n', at);
        at = lf == std::string_view::npos ? text.size() : lf + 1;
    }
    return lines;
}

// The block's glyphs as a font of 16 rows above the baseline, every glyph 32 columns wide.
std::string written(const import::BdfSource& source) {
    static const char* hex = "0123456789ABCDEF";
    std::string glyphs;
    int count = 0;
    for (char32_t code = 0x900; code < 0x980; ++code) {
        const std::optional<import::GlyphImage> image = source.image(std::u32string_view(&code, 1));
        if (!image) {
            continue;
        }
        ++count;
        glyphs += "STARTCHAR g\nENCODING " + std::to_string(code) + "\nBBX 32 16 0 0\nBITMAP\n";
        for (std::uint32_t row : image->rows) {
            // Column 0 is the highest bit of the first digit.
            std::uint32_t bits = 0;
            for (int c = 0; c < 32; ++c) {
                bits |= ((row >> c) & 1u) << (31 - c);
            }
            for (int shift = 28; shift >= 0; shift -= 4) {
                glyphs += hex[(bits >> shift) & 15];
            }
            glyphs += '\n';
        }
        glyphs += "ENDCHAR\n";
    }
    return "STARTFONT 2.1\nFONT_ASCENT 16\nFONT_DESCENT 0\nCHARS " + std::to_string(count) + "\n" + glyphs +
           "ENDFONT\n";
}

}  // namespace
}  // namespace ledfont::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ledfont;
    using namespace ledfont::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::optional<import::BdfSource> source;
    try {
        source.emplace(text);
    } catch (const import::SourceError& e) {
        check(e.line() >= 1 && e.line() <= lineCount(text) + 1, "fault reported outside the text");
        return 0;
    }
    const import::BdfSource again(written(*source));
    for (char32_t code = 0x900; code < 0x980; ++code) {
        const std::u32string_view one(&code, 1);
        const auto first = source->image(one);
        const auto second = again.image(one);
        check(first.has_value() == second.has_value(), "written again, a glyph came or went");
        check(!first || first->rows == second->rows, "written again, a glyph read back differently");
    }
    return 0;
}
