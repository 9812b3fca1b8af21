#include "cli/CompositionReport.h"

#include <utility>

#include "compose/Utf8.h"

namespace ledfont::cli {

namespace {

// Enough pairs to see what is wrong; the counts by sign say how far it goes.
constexpr std::size_t kPairsNamed = 12;

std::string problemTitle(compose::CompositionProblem problem) {
    using compose::CompositionProblem;
    switch (problem) {
        case CompositionProblem::LeavesStrip:
            return "sign leaving the strip or its consonant's 16 columns";
        case CompositionProblem::StandsOff:
            return "sign standing off its consonant";
        case CompositionProblem::Collides:
            break;
    }
    return "sign colliding with its consonant or the sign above";
}

std::string problemLine(compose::CompositionProblem problem,
                        const std::vector<const compose::CompositionFinding*>& found) {
    // The signs as written after a dotted circle, the way a sign without its consonant is shown.
    std::vector<std::pair<std::u32string, int>> bySign;
    for (const compose::CompositionFinding* f : found) {
        std::u32string signs = U"\u25CC" + f->text.substr(f->base >= compose::kFirstConjunct ? 3 : 1);
        if (bySign.empty() || bySign.back().first != signs) {
            bySign.emplace_back(std::move(signs), 0);
        }
        ++bySign.back().second;
    }
    std::string line = "warning: " + problemTitle(problem) + " in " + std::to_string(found.size()) +
                       (found.size() == 1 ? " pair (" : " pairs (");
    for (std::size_t i = 0; i < bySign.size(); ++i) {
        line.append(i == 0 ? "" : ", ").append(compose::encodeUtf8(bySign[i].first));
        line.append(" ").append(std::to_string(bySign[i].second));
    }
    line += "): ";
    for (std::size_t i = 0; i < found.size() && i < kPairsNamed; ++i) {
        line.append(i == 0 ? "" : ", ").append(compose::encodeUtf8(found[i]->text));
    }
    if (found.size() > kPairsNamed) {
        line += " and " + std::to_string(found.size() - kPairsNamed) + " more";
    }
    return line;
}

}  // namespace

std::vector<std::string> compositionLines(const std::vector<compose::CompositionFinding>& findings) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < findings.size()) {
        std::vector<const compose::CompositionFinding*> found;
        const compose::CompositionProblem problem = findings[i].problem;
        for (; i < findings.size() && findings[i].problem == problem; ++i) {
            found.push_back(&findings[i]);
        }
        lines.push_back(problemLine(problem, found));
    }
    return lines;
}

}  // namespace ledfont::cli
