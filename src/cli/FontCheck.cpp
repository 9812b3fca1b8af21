#include "cli/FontCheck.h"

#include <algorithm>

#include "cli/CompositionReport.h"
#include "cli/FontLoad.h"
#include "cli/SourceProof.h"
#include "compose/CompositionCheck.h"
#include "compose/Sheet.h"
#include "compose/Utf8.h"
#include "compose/Warnings.h"
#include "font/FieldReader.h"
#include "font/FontPath.h"
#include "font/FontText.h"
#include "font/GlyphCode.h"
#include "font/GlyphText.h"
#include "font/InputFile.h"
#include "font/TextToByte.h"
#include "hexout/FirmwareImage.h"

namespace ledfont::cli {

namespace {

constexpr int kKindLimit = 2;

std::string warningTitle(compose::WarningKind kind) {
    using compose::WarningKind;
    switch (kind) {
        case WarningKind::WidthAbove16:
            return "width above 16";
        case WarningKind::KindAbove2:
            return "kind other than Consonant, Vowel or Ikaar";
        case WarningKind::PairByteAbove7F:
            return "conjunct byte above 7F";
        case WarningKind::LitRightOfWidth:
            return "lit LEDs right of the width";
        case WarningKind::CentreBeyondWidth:
            return "centre beyond the width";
        case WarningKind::VowelWithoutCentre:
            return "Vowel with no centre";
        case WarningKind::PairNamesEmptyGlyph:
            return "conjunct pair naming an empty glyph";
        case WarningKind::PairTaken:
            return "conjunct pair a lower glyph has";
        case WarningKind::SignLeavesStrip:
        case WarningKind::SignStandsOff:
        case WarningKind::SignCollides:
            return std::string(compose::warningLegend(kind));
        case WarningKind::EmptyGlyphUsed:
            break;
    }
    return "empty glyph the text draws";
}

std::string pairText(const Glyph& glyph) {
    return "conjunct " + byteToHexText(glyph.pair[0]) + " " + byteToHexText(glyph.pair[1]);
}

// What the list says after the glyph's number.
std::string warningDetail(const FontTables& tables, FontKind kind, const compose::GlyphWarning& w) {
    using compose::WarningKind;
    const Glyph glyph = glyphAt(tables, w.glyph);
    const std::string width = "width " + std::to_string(glyph.shownWidth());
    switch (w.kind) {
        case WarningKind::WidthAbove16:
            return " (width " + std::to_string(w.detail) + ")";
        case WarningKind::KindAbove2:
            return " (" + kindName(w.detail) + ")";
        case WarningKind::PairByteAbove7F:
            return " (" + pairText(glyph) + ")";
        case WarningKind::LitRightOfWidth:
            return " (" + width + ", lit to " + std::to_string(w.detail) + ")";
        case WarningKind::CentreBeyondWidth:
            return " (centre " + std::to_string(w.detail) + ", " + width + ")";
        case WarningKind::VowelWithoutCentre:
            return "";
        case WarningKind::PairNamesEmptyGlyph:
            return " (" + pairText(glyph) + ", glyph " + std::to_string(w.detail) + " empty)";
        case WarningKind::PairTaken:
            return " (" + pairText(glyph) + ", as " + std::to_string(w.detail) + ")";
        case WarningKind::SignLeavesStrip:
        case WarningKind::SignStandsOff:
        case WarningKind::SignCollides:
            return " (in " + std::to_string(w.detail) + (w.detail == 1 ? " pair)" : " pairs)");
        case WarningKind::EmptyGlyphUsed:
            break;
    }
    return " (" + glyphCode(kind, w.glyph) + ", " + times(w.detail) + ")";
}

std::string joinGlyphs(const std::string& title, const std::vector<std::string>& glyphs) {
    std::string line = "warning: " + title + " in " + std::to_string(glyphs.size()) +
                       (glyphs.size() == 1 ? " glyph: " : " glyphs: ");
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        line += (i == 0 ? "" : ", ") + glyphs[i];
    }
    return line;
}

// The error's text without its path, which the report's first line already names.
std::string withoutPath(const Error& error) {
    ErrorPlace place = error.place();
    place.path.clear();
    return Error(error.code(), place).what();
}

// A file that ends too early is reported as such by the reader, which then says nothing about its
// fields; this finds the first of them that does not convert.
std::optional<Error> firstBadField(const std::string& path, FontKind kind) {
    std::ifstream in = openInputFile(pathFromUtf8(path));
    FieldReader reader(in);
    std::string field;
    long line = 0;
    for (int i = 0; i < valueCount(kind) && reader.next(field, line); ++i) {
        try {
            fontFieldByte(field, reader.fieldCut(), line);
        } catch (const Error& e) {
            return e;
        }
    }
    return std::nullopt;
}

std::vector<std::string> loadProblems(const std::string& path, FontKind kind, const Error& error) {
    std::vector<std::string> problems;
    if (error.code() == ErrorCode::InputPastEndOfFile) {
        try {
            if (auto bad = firstBadField(path, kind)) {
                problems.push_back("error: " + withoutPath(*bad));
            }
        } catch (const Error&) {
            // The file went away between the two readings; the reader's error still stands.
        }
    }
    problems.push_back("error: " + withoutPath(error));
    return problems;
}

// The text's code points; a UTF-8 byte order mark is not part of it.
std::u32string textCodes(const TextToCheck& text) {
    std::u32string codes = compose::decodeUtf8(text.bytes);
    if (codes.starts_with(U'\uFEFF')) {
        codes.erase(0, 1);
    }
    return codes;
}

// Every line of the text composed; CR before LF is not part of it.
TextFindings composeLines(const FontTables& tables, FontKind kind, const TextToCheck& text) {
    const compose::ComposeFont font(tables, kind);
    const std::u32string codes = textCodes(text);
    TextFindings findings;
    findings.uses.resize(static_cast<std::size_t>(glyphCount(kind)));
    std::u32string_view rest = codes;
    for (int number = 1; !rest.empty(); ++number) {
        const std::size_t end = std::min(rest.find(U'\n'), rest.size());
        std::u32string_view line = rest.substr(0, end);
        if (line.ends_with(U'\r')) {
            line.remove_suffix(1);
        }
        addLine(findings, font, line, number, text.panels);
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return findings;
}

// "warning: TITLE: N items: a, b"
std::string joinItems(const std::string& title, const std::string& unit,
                      const std::vector<std::string>& items) {
    std::string line = "warning: " + title + " in " + std::to_string(items.size()) + " " + unit +
                       (items.size() == 1 ? "" : "s") + ": ";
    for (std::size_t i = 0; i < items.size(); ++i) {
        line += (i == 0 ? "" : ", ") + items[i];
    }
    return line;
}

std::vector<std::string> textWarnings(const TextFindings& findings, int panels) {
    std::vector<std::string> lines;
    std::vector<std::string> items;
    for (const auto& m : findings.missing) {
        items.push_back(codeName(m.code) + " (" + times(m.count) + ", first in line " +
                        std::to_string(m.line) + ")");
    }
    if (!items.empty()) {
        lines.push_back(joinItems("no glyph", "code point", items));
    }
    items.clear();
    for (const auto& f : findings.fallbacks) {
        items.push_back(conjunctName(f.first, f.second) + " " + times(f.count) + ", as in \"" +
                        displayPath(f.word) + "\"");
    }
    if (!items.empty()) {
        lines.push_back(joinItems("drawn with the halant, no conjunct glyph", "conjunct", items));
    }
    items.clear();
    for (const auto& w : findings.wide) {
        items.push_back(std::to_string(w.line) + " (" + std::to_string(w.width) + " columns)");
    }
    if (!items.empty()) {
        lines.push_back(joinItems("wider than " + std::to_string(panels) +
                                      (panels == 1 ? " panel" : " panels") + " (" +
                                      std::to_string(panels * kPanelColumns) + " columns)",
                                  "line", items));
    }
    return lines;
}

}  // namespace

std::vector<std::string> fontWarnings(const FontTables& tables, FontKind kind, const std::vector<int>& uses) {
    using compose::WarningKind;
    std::vector<std::pair<WarningKind, std::vector<std::string>>> sorts;
    std::vector<compose::GlyphWarning> found = compose::glyphWarnings(tables, kind);
    const std::vector<compose::GlyphWarning> empty = emptyGlyphsDrawn(tables, kind, uses);
    found.insert(found.end(), empty.begin(), empty.end());
    for (const compose::GlyphWarning& w : found) {
        if (sorts.empty() || sorts.back().first != w.kind) {
            sorts.emplace_back(w.kind, std::vector<std::string>{});
        }
        sorts.back().second.push_back(std::to_string(w.glyph) + warningDetail(tables, kind, w));
    }
    std::vector<std::string> lines;
    for (const auto& [sort, glyphs] : sorts) {
        lines.push_back(joinGlyphs(warningTitle(sort), glyphs));
    }
    return lines;
}

std::string fontSummary(const FontTables& tables, FontKind kind, std::size_t warningCount) {
    int narrowest = 255;
    int widest = 0;
    int kindCounts[kKindLimit + 2] = {};
    for (int g = 0; g < glyphCount(kind); ++g) {
        const Glyph glyph = recordAt(tables.FontData, g);
        narrowest = std::min(narrowest, glyph.readWidth());
        widest = std::max(widest, glyph.readWidth());
        ++kindCounts[std::min(glyph.kindNumber(), kKindLimit + 1)];
    }
    std::string line = "summary: loads; widths " + std::to_string(narrowest) + ".." + std::to_string(widest) +
                       "; " + std::to_string(kindCounts[0]) + " Consonant, " + std::to_string(kindCounts[1]) +
                       " Vowel, " + std::to_string(kindCounts[2]) + " Ikaar";
    if (kindCounts[kKindLimit + 1] > 0) {
        line += ", " + std::to_string(kindCounts[kKindLimit + 1]) + " other";
    }
    return line + "; " + std::to_string(warningCount) + (warningCount == 1 ? " warning" : " warnings");
}

CheckResult checkFont(const std::string& path, std::optional<FontKind> given, const TextToCheck* text) {
    CheckResult result;
    result.reading = chooseKind(path, given);
    const FontKind kind = result.reading.kind;
    result.report.push_back(displayPath(path) + ": " + fontKindName(kind) + " font, " +
                            std::to_string(glyphCount(kind)) + " glyphs, " +
                            std::to_string(valueCount(kind)) + " values");
    try {
        const FontTables tables = readFont(path, result.reading);
        TextFindings findings;
        if (text != nullptr) {
            findings = composeLines(tables, kind, *text);
        }
        std::vector<std::string> warnings = fontWarnings(tables, kind, findings.uses);
        const std::vector<std::string> composed =
            compositionLines(compose::compositionFindings(compose::ComposeFont(tables, kind)));
        warnings.insert(warnings.end(), composed.begin(), composed.end());
        if (result.reading.valuesFollow) {
            warnings.insert(warnings.begin(), "warning: " + readingNote(result.reading));
        }
        if (text != nullptr) {
            const std::vector<std::string> more = textWarnings(findings, text->panels);
            warnings.insert(warnings.end(), more.begin(), more.end());
        }
        result.report.push_back(fontSummary(tables, kind, warnings.size()));
        result.report.push_back(hexout::imageSummary(hexout::firmwareImage(tables)));
        if (text != nullptr) {
            result.report.push_back("text: " + displayPath(text->path) + ", " +
                                    std::to_string(findings.lines) +
                                    (findings.lines == 1 ? " line" : " lines") + ", widest " +
                                    std::to_string(findings.widest) + " columns");
        }
        result.report.insert(result.report.end(), warnings.begin(), warnings.end());
        if (text != nullptr && !text->against.empty()) {
            const compose::ComposeFont font(tables, kind);
            const import::SourceDrawing source(text->against, font.glyph(0x15), text->againstSize);
            const std::vector<std::string> proof =
                proofReport(source, proveWords(font, source, textCodes(*text)));
            result.report.insert(result.report.end(), proof.begin(), proof.end());
        }
    } catch (const Error& e) {
        std::vector<std::string> problems = loadProblems(path, kind, e);
        result.report.push_back("summary: does not load; " + std::to_string(problems.size()) +
                                (problems.size() == 1 ? " problem" : " problems"));
        result.report.insert(result.report.end(), problems.begin(), problems.end());
        result.loadError = e;
    }
    return result;
}

}  // namespace ledfont::cli
