#include "cli/FontCheck.h"

#include <algorithm>

#include "cli/FontLoad.h"
#include "font/GlyphText.h"
#include "font/FieldReader.h"
#include "font/FontPath.h"
#include "font/FontText.h"
#include "font/InputFile.h"
#include "font/TextToByte.h"

namespace ledfont::cli {

namespace {

constexpr int kConjunctLimit = 0x7F;
constexpr int kKindLimit = 2;

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

}  // namespace

std::vector<std::string> fontWarnings(const FontTables& tables, FontKind kind) {
    std::vector<std::string> wide;
    std::vector<std::string> kinds;
    std::vector<std::string> pairs;
    for (int g = 0; g < glyphCount(kind); ++g) {
        const std::string name = std::to_string(g);
        const Glyph glyph = glyphAt(tables, g);
        if (glyph.width > kGlyphColumns) {
            wide.push_back(name + " (width " + std::to_string(glyph.width) + ")");
        }
        if (glyph.kindNumber() > kKindLimit) {
            kinds.push_back(name + " (" + kindName(glyph.kindNumber()) + ")");
        }
        if (kind == FontKind::Jukta512 &&
            (glyph.pair[0] > kConjunctLimit || glyph.pair[1] > kConjunctLimit)) {
            pairs.push_back(name + " (conjunct " + byteToHexText(glyph.pair[0]) + " " +
                            byteToHexText(glyph.pair[1]) + ")");
        }
    }
    std::vector<std::string> lines;
    if (!wide.empty()) {
        lines.push_back(joinGlyphs("width above 16", wide));
    }
    if (!kinds.empty()) {
        lines.push_back(joinGlyphs("kind other than Consonant, Vowel or Ikaar", kinds));
    }
    if (!pairs.empty()) {
        lines.push_back(joinGlyphs("conjunct byte above 7F", pairs));
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

CheckResult checkFont(const std::string& path, std::optional<FontKind> given) {
    CheckResult result;
    result.reading = chooseKind(path, given);
    const FontKind kind = result.reading.kind;
    result.report.push_back(displayPath(path) + ": " + fontKindName(kind) + " font, " +
                            std::to_string(glyphCount(kind)) + " glyphs, " +
                            std::to_string(valueCount(kind)) + " values");
    try {
        const FontTables tables = readFont(path, result.reading);
        std::vector<std::string> warnings = fontWarnings(tables, kind);
        if (result.reading.valuesFollow) {
            warnings.insert(warnings.begin(), "warning: " + readingNote(result.reading));
        }
        result.report.push_back(fontSummary(tables, kind, warnings.size()));
        result.report.insert(result.report.end(), warnings.begin(), warnings.end());
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
