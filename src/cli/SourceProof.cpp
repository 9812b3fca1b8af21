#include "cli/SourceProof.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "cli/Arguments.h"
#include "compose/Utf8.h"
#include "font/Error.h"
#include "font/FontPath.h"

namespace ledfont::cli {

namespace {

constexpr int kKaGlyph = 0x15;
constexpr int kWordsNamed = 6;  // words a cause names in the report

bool inWord(char32_t code) {
    return code >= 0x0900 && code <= 0x097F && code != 0x0964 && code != 0x0965;
}

std::string percent(int part, int whole) {
    const long tenths = whole == 0 ? 0 : (1000L * part + whole / 2) / whole;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " %";
}

}  // namespace

std::vector<compose::Mismatch> proveWord(const compose::ComposeFont& font,
                                         const import::SourceDrawing& source, std::u32string_view word) {
    using compose::Mismatch;
    const compose::Strip strip = compose::composeText(font, word);
    std::vector<Mismatch> causes;
    if (!strip.missing.empty() || !compose::emptyGlyphsPlaced(font, strip).empty()) {
        causes.push_back(Mismatch::MissingGlyph);
    }
    const bool halant = std::any_of(strip.fallbacks.begin(), strip.fallbacks.end(), [&](std::size_t at) {
        return at + 1 < word.size() && !source.drawsVirama(word.substr(at - 1, 3));
    });
    if (halant) {
        causes.push_back(Mismatch::HalantFallback);
    }
    const std::vector<Mismatch> drawn = compose::comparePictures(strip.columns, source.draw(word),
                                                                 compose::readingRows(font.glyph(kKaGlyph)));
    // Three consonants joined by two viramas: the sign replaces two at a time, so the third stays apart.
    bool stacked = false;
    for (std::size_t i = 0; i + 4 < word.size() && !stacked; ++i) {
        stacked = word[i + 1] == compose::kVirama && word[i + 3] == compose::kVirama &&
                  compose::glyphOfCode(word[i + 2]) >= 0 && compose::glyphOfCode(word[i + 4]) >= 0;
    }
    if (stacked && (!drawn.empty() || !causes.empty())) {
        causes.push_back(Mismatch::StackedConjunct);
    }
    causes.insert(causes.end(), drawn.begin(), drawn.end());
    std::sort(causes.begin(), causes.end());
    return causes;
}

WordFigures proveWords(const compose::ComposeFont& font, const import::SourceDrawing& source,
                       std::u32string_view text) {
    std::map<std::u32string, int> counts;
    for (std::size_t i = 0; i < text.size();) {
        if (!inWord(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && inWord(text[end])) {
            ++end;
        }
        ++counts[std::u32string(text.substr(i, end - i))];
        i = end;
    }
    WordFigures figures;
    for (const auto& [word, count] : counts) {
        figures.words += count;
        std::vector<compose::Mismatch> causes = proveWord(font, source, word);
        if (causes.empty()) {
            figures.matching += count;
        } else {
            figures.mismatched.push_back({word, std::move(causes), count});
        }
    }
    std::stable_sort(figures.mismatched.begin(), figures.mismatched.end(),
                     [](const auto& a, const auto& b) { return a.count > b.count; });
    return figures;
}

std::vector<std::string> proofReport(const import::SourceDrawing& source, const WordFigures& figures) {
    std::vector<std::string> lines;
    lines.push_back("against: " + source.name());
    lines.push_back("words: " + std::to_string(figures.matching) + " of " + std::to_string(figures.words) +
                    " read as the source draws them (" + percent(figures.matching, figures.words) + ")");
    for (int c = 0; c <= static_cast<int>(compose::Mismatch::LettersDiffer); ++c) {
        const auto cause = static_cast<compose::Mismatch>(c);
        int words = 0;
        std::string named;
        int shown = 0;
        for (const auto& m : figures.mismatched) {
            if (std::find(m.causes.begin(), m.causes.end(), cause) == m.causes.end()) {
                continue;
            }
            words += m.count;
            if (shown++ < kWordsNamed) {
                named += (shown == 1 ? "" : ", ") + compose::encodeUtf8(m.word) + " (" +
                         std::to_string(m.count) + ")";
            }
        }
        if (words > 0) {
            lines.push_back("mismatch: " + std::string(compose::mismatchName(cause)) + " in " +
                            std::to_string(words) + (words == 1 ? " word" : " words") + ", as in " + named);
        }
    }
    return lines;
}

}  // namespace ledfont::cli
