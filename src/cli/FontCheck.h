#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/FontLoad.h"
#include "font/Error.h"
#include "font/FontTables.h"

namespace ledfont::cli {

// Values the file format carries but the editor's controls cannot show: widths above 16, kind nibbles
// above 2 and, in a Jukta512 font, conjunct bytes above 7F. One line per sort, naming every glyph.
std::vector<std::string> fontWarnings(const FontTables& tables, FontKind kind);

// One line about a loaded font: the range of widths and how many glyphs of each kind.
std::string fontSummary(const FontTables& tables, FontKind kind, std::size_t warningCount);

struct CheckResult {
    std::vector<std::string> report;  // lines for stdout
    std::optional<Error> loadError;   // why the font does not load; empty when it loads
    FontReading reading;              // how the font was read
};

// Reads `path` as `kind`, or as the kind its number of values says, and reports: the glyph count, a summary,
// and every problem found; values the kind leaves unread are a warning. When the file ends too early the
// fields it does hold are still checked, so the first bad value is reported as well.
CheckResult checkFont(const std::string& path, std::optional<FontKind> kind);

}  // namespace ledfont::cli
