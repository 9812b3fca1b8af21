#include "cli/ConjunctChoice.h"

#include <algorithm>

#include "cli/ComposeCommands.h"
#include "compose/Utf8.h"
#include "font/Error.h"

namespace ledfont::cli {

namespace {

std::string clusterText(import::ConjunctPair pair) {
    return compose::encodeUtf8(
        std::u32string{import::kBlockFirst + pair[0], import::kVirama, import::kBlockFirst + pair[1]});
}

int countOf(const ConjunctChoice& choice, import::ConjunctPair pair) {
    const auto found = std::find_if(choice.ranked.begin(), choice.ranked.end(), [pair](const auto& c) {
        return c.first == pair[0] && c.second == pair[1];
    });
    return found == choice.ranked.end() ? 0 : found->count;
}

}  // namespace

std::vector<import::ConjunctPair> ConjunctChoice::pairs() const {
    std::vector<import::ConjunctPair> pairs;
    pairs.reserve(ranked.size());
    for (const compose::ConjunctCount& c : ranked) {
        pairs.push_back({static_cast<std::uint8_t>(c.first), static_cast<std::uint8_t>(c.second)});
    }
    return pairs;
}

ConjunctChoice chooseConjuncts(const std::string& textFile) {
    if (textFile.empty()) {
        return {compose::rankConjuncts(compose::decodeUtf8(compose::shippedHindiText())),
                "the shipped Hindi text"};
    }
    return {compose::rankConjuncts(compose::decodeUtf8(readTextFile(textFile))), displayPath(textFile)};
}

void reportConjuncts(const import::ConjunctReport& report, const ConjunctChoice& choice,
                     const FontTables& tables, import::ConjunctSlots mode, std::ostream& out) {
    const std::size_t counted =
        static_cast<std::size_t>(std::count_if(report.filled.begin(), report.filled.end(), [&](int glyph) {
            return countOf(choice, glyphAt(tables, glyph).pair) > 0;
        }));
    out << "conjuncts: " << report.filled.size() << " of " << report.fillable.size()
        << (mode == import::ConjunctSlots::All ? " conjunct glyphs" : " glyphs without a pair") << " filled";
    if (choice.ranked.empty()) {
        out << ": " << choice.from << " holds no conjunct\n";
    } else if (report.filled.empty() && !report.fillable.empty()) {
        out << ": the source draws none of the " << choice.ranked.size() << " conjuncts of " << choice.from
            << '\n';
    } else {
        out << ", the most frequent in " << choice.from << " first (" << counted << " it holds, "
            << report.filled.size() - counted << " guessed from its letters)\n";
    }
    if (!report.cleared.empty()) {
        out << "conjuncts: " << report.cleared.size() << " glyphs cleared, no more conjuncts to give them\n";
    }
    std::string wide;
    std::size_t guessed = 0;
    for (const import::ConjunctPair pair : report.tooWide) {
        if (const int count = countOf(choice, pair); count > 0) {
            wide.append(wide.empty() ? "" : ", ").append(clusterText(pair));
            wide.append(" (").append(std::to_string(count)).append(")");
        } else {
            ++guessed;
        }
    }
    if (!wide.empty() || guessed > 0) {
        out << "wider than 16 columns in the source, left out: " << (wide.empty() ? "none it holds" : wide);
        if (guessed > 0) {
            out << "; and " << guessed << " guessed";
        }
        out << '\n';
    }
}

}  // namespace ledfont::cli
