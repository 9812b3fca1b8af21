#include "cli/TextReport.h"

#include <algorithm>

#include "compose/Utf8.h"
#include "font/Error.h"
#include "font/TextToByte.h"

namespace ledfont::cli {

namespace {

// The run of code points up to the spaces on either side of `at`.
std::u32string_view wordAround(std::u32string_view line, std::size_t at) {
    std::size_t begin = line.rfind(compose::kSpace, at);
    begin = begin == std::u32string_view::npos ? 0 : begin + 1;
    const std::size_t end = std::min(line.find(compose::kSpace, at), line.size());
    return line.substr(begin, end - begin);
}

}  // namespace

compose::Strip addLine(TextFindings& findings, const compose::ComposeFont& font, std::u32string_view line,
                       int lineNumber, int panels) {
    compose::Strip strip = compose::composeText(font, line);
    ++findings.lines;
    findings.widest = std::max(findings.widest, strip.width());
    if (panels > 0 && strip.width() > panels * kPanelColumns) {
        findings.wide.push_back({lineNumber, strip.width()});
    }
    for (std::size_t at : strip.missing) {
        auto known = std::find_if(findings.missing.begin(), findings.missing.end(),
                                  [&](const TextFindings::Missing& m) { return m.code == line[at]; });
        if (known == findings.missing.end()) {
            findings.missing.push_back({line[at], 1, lineNumber});
        } else {
            ++known->count;
        }
    }
    for (std::size_t at : strip.fallbacks) {
        const char32_t first = line[at - 1];
        const char32_t second = line[at + 1];
        auto known = std::find_if(
            findings.fallbacks.begin(), findings.fallbacks.end(),
            [&](const TextFindings::Fallback& f) { return f.first == first && f.second == second; });
        if (known == findings.fallbacks.end()) {
            findings.fallbacks.push_back({first, second, 1, compose::encodeUtf8(wordAround(line, at))});
        } else {
            ++known->count;
        }
    }
    findings.uses.resize(static_cast<std::size_t>(font.glyphCount()));
    for (const compose::Placement& p : strip.placements) {
        ++findings.uses[static_cast<std::size_t>(p.glyph)];
    }
    return strip;
}

std::vector<compose::GlyphWarning> emptyGlyphsDrawn(const FontTables& tables, FontKind kind,
                                                    const std::vector<int>& uses) {
    std::vector<compose::GlyphWarning> empty = compose::glyphWarnings(tables, kind, uses);
    std::erase_if(
        empty, [](const compose::GlyphWarning& w) { return w.kind != compose::WarningKind::EmptyGlyphUsed; });
    return empty;
}

std::string codeName(char32_t code) {
    return codePointName(code) + " \"" + displayValue(compose::encodeUtf8(code)) + "\"";
}

std::string conjunctName(char32_t first, char32_t second) {
    const char32_t three[] = {first, compose::kVirama, second};
    return displayPath(compose::encodeUtf8(std::u32string_view(three, 3))) + " (" + codePointName(first) +
           " " + codePointName(compose::kVirama) + " " + codePointName(second) + ")";
}

std::string times(int count) {
    return std::to_string(count) + (count == 1 ? " time" : " times");
}

}  // namespace ledfont::cli
