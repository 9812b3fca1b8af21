#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "compose/Compose.h"
#include "compose/Proof.h"
#include "import/SourceDrawing.h"

namespace ledfont::cli {

// How the words of a text read on the sign against its source.
struct WordFigures {
    int words = 0;     // running words
    int matching = 0;  // of them, read as the source draws them
    struct Mismatched {
        std::u32string word;
        std::vector<compose::Mismatch> causes;
        int count = 0;  // how often it stands in the text
    };
    std::vector<Mismatched> mismatched;  // each word once, most frequent first
};

// The Devanagari words of `text` (runs of U+0900-097F other than the dandas), each composed as the sign
// does and held against the source's drawing of it.
WordFigures proveWords(const compose::ComposeFont& font, const import::SourceDrawing& source,
                       std::u32string_view text);

// What a word needs to read as the source draws it: its composed picture, code points and conjuncts.
std::vector<compose::Mismatch> proveWord(const compose::ComposeFont& font,
                                         const import::SourceDrawing& source, std::u32string_view word);

// The report's lines: the source, the words that match, each cause with the words it spoils most often.
std::vector<std::string> proofReport(const import::SourceDrawing& source, const WordFigures& figures);

}  // namespace ledfont::cli
