#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "compose/Compose.h"
#include "compose/Warnings.h"

namespace ledfont::cli {

// What composing a text found that the sign cannot show as written, gathered over its lines.
struct TextFindings {
    struct Missing {
        char32_t code;
        int count;
        int line;  // the first line it is in, from 1
    };
    struct Fallback {
        char32_t first;
        char32_t second;
        int count;
        std::string word;  // the first word it is in
    };
    struct Wide {
        int line;
        int width;
    };
    std::vector<Missing> missing;  // in the order first met
    std::vector<Fallback> fallbacks;
    std::vector<Wide> wide;  // lines wider than the sign
    std::vector<int> uses;   // how often each glyph is drawn
    int lines = 0;
    int widest = 0;
};

constexpr int kPanelColumns = 32;

// Composes `line`, number `lineNumber`, and adds what it found; `panels` 0 means no sign width to keep to.
compose::Strip addLine(TextFindings& findings, const compose::ComposeFont& font, std::u32string_view line,
                       int lineNumber, int panels);

// The empty glyphs a composed text draws, `uses` counting how often each is drawn (compose's EmptyGlyphUsed
// warnings, detail: the count). With TextFindings' missing code points, halant fallbacks and wide lines this
// is the set of text warnings that check --text and preview both report.
std::vector<compose::GlyphWarning> emptyGlyphsDrawn(const FontTables& tables, FontKind kind,
                                                    const std::vector<int>& uses);

// "U+0041 "A"": the code point and the character itself, control characters escaped.
std::string codeName(char32_t code);
// "क्ष (U+0915 U+094D U+0937)".
std::string conjunctName(char32_t first, char32_t second);
// "1 time", "3 times".
std::string times(int count);

}  // namespace ledfont::cli
