#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/FontLoad.h"
#include "cli/TextReport.h"
#include "font/Error.h"
#include "font/FontTables.h"

namespace ledfont::cli {

// The glyph warnings of the core, one line per sort naming every glyph: first the values the file format
// carries but the editor's controls cannot show (widths above 16, kind nibbles above 2 and, in a Jukta512
// font, conjunct bytes above 7F), then what makes the sign draw other than meant. `uses` counts how often a
// text draws each glyph (see glyphWarnings).
std::vector<std::string> fontWarnings(const FontTables& tables, FontKind kind,
                                      const std::vector<int>& uses = {});

// A text to compose with the font: its name as given, its UTF-8 bytes, and the sign's width in panels (0 for
// none).
struct TextToCheck {
    std::string path;
    std::string bytes;
    int panels = 0;
    std::string against = {};  // the font to prove the text's words against; empty for none
    int againstSize = 0;       // its pixel size; 0 to find it from the font
};

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
// With `text`, every line of it is composed as well, and the report adds a line about the text and warnings
// about the code points without a glyph, the conjuncts drawn with the halant, the lines wider than the sign
// and the empty glyphs the text draws.
CheckResult checkFont(const std::string& path, std::optional<FontKind> kind,
                      const TextToCheck* text = nullptr);

}  // namespace ledfont::cli
