#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "compose/Compose.h"
#include "compose/Proof.h"

namespace ledfont::import {
class OutlineSource;
}

namespace ledfont::cli {

// The font a seeded font is proven against: an outline font file, or an installed family when no file of
// that name exists, drawn at the size and on the rows where its क is the font's (or at `size` when it is
// given), so its words stand on the same rows as the sign's.
class ProofSource {
  public:
    ProofSource(const std::string& source, const compose::ComposeFont& font, int size);
    ~ProofSource();
    ProofSource(const ProofSource&) = delete;
    ProofSource& operator=(const ProofSource&) = delete;

    // "NotoSansDevanagari-Regular.ttf at 11 pixels".
    const std::string& name() const { return name_; }
    // The source's drawing of `text` on the 16 rows, column 0 its first with ink.
    std::vector<std::uint16_t> draw(std::u32string_view text) const;
    // Whether the source, too, shows the virama of the cluster.
    bool drawsVirama(std::u32string_view cluster) const;

  private:
    std::unique_ptr<import::OutlineSource> source_;
    std::string name_;
    int rowShift_ = 0;
};

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
WordFigures proveWords(const compose::ComposeFont& font, const ProofSource& source, std::u32string_view text);

// What a word needs to read as the source draws it: its composed picture, code points and conjuncts.
std::vector<compose::Mismatch> proveWord(const compose::ComposeFont& font, const ProofSource& source,
                                         std::u32string_view word);

// The report's lines: the source, the words that match, each cause with the words it spoils most often.
std::vector<std::string> proofReport(const ProofSource& source, const WordFigures& figures);

}  // namespace ledfont::cli
