#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "font/FontTables.h"
#include "hexout/FirmwareFile.h"
#include "import/ConjunctFill.h"

namespace ledfont::cli {

enum class CommandName {
    Hex,
    Check,
    Show,
    Jconv,
    Verify,
    Unhex,
    Import,
    Preview,
    Sheet,
    Export,
    Help,
    Version
};

// A command line the tool cannot act on; the message says what is wrong and the usage follows it.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// What unhex reads besides a HEX file: --kind auto (the default), or a raw dump (--binary FILE --base
// ADDRESS) in place of the HEX file.
struct UnhexOptions {
    bool autoKind = true;
    std::string binary;
    std::uint32_t base = 0;

    bool operator==(const UnhexOptions&) const = default;
};

// What import reads besides SOURCE: --system FAMILY in its place, --into FONT, --size PX (0: the largest that
// fits), --glyphs RANGE as inclusive ranges (none: every glyph), --only-empty, --conjuncts unpaired|all|none
// (unset: unpaired), --conjuncts-from TEXT (empty: the shipped Hindi text).
struct ImportOptions {
    std::string system;
    std::string into;
    int size = 0;
    std::vector<std::pair<int, int>> glyphs;
    bool onlyEmpty = false;
    std::optional<import::ConjunctSlots> conjuncts = {};
    std::string conjunctsFrom = {};

    bool operator==(const ImportOptions&) const = default;
};

// What export writes: --format (empty until given) and --name NAME for the C output (empty: from the font's
// file name).
struct ExportOptions {
    std::optional<hexout::FirmwareFormat> format;
    std::string name;

    bool operator==(const ExportOptions&) const = default;
};

struct Arguments {
    CommandName command = CommandName::Help;
    std::vector<std::string> paths;  // FONT, IN and OUT for jconv, FONT and the TEXT words for preview
    std::optional<FontKind> kind;    // empty: the font's number of values decides
    std::string output;              // -o OUT; empty means the HEX name of FONT
    std::vector<int> glyphs;         // --glyph N in the order given; empty means every glyph
    UnhexOptions unhex;
    ImportOptions importing;
    ExportOptions exporting = {};
    std::string text = {};     // check --text FILE
    int panels = 0;            // --panels N, the sign's width in panels of 32 columns; 0 when not given
    std::string png = {};      // preview --png OUT
    std::string against = {};  // check and preview --against SOURCE, the font the font was seeded from
    int againstSize = 0;       // --size PX of SOURCE; 0: the size at which its KA is the font's

    bool operator==(const Arguments&) const = default;
};

// Parses the arguments after the program name. Options may stand before or after the paths, as
// "--kind jukta512" or "--kind=jukta512"; "--" ends the options so that a path may start with '-'.
// Throws UsageError for anything the command does not take, a missing or extra path, a repeated option,
// --panels without --text (check), sheet without -o, or a glyph number outside the kind's glyphs (without
// --kind, outside every kind's; see checkGlyphRange for the kind the font turns out to be).
Arguments parseArguments(std::span<const std::string> args);

// "hindi" or "jukta512" as --kind takes it; throws UsageError for anything else.
FontKind parseKind(std::string_view text);

// A glyph number as decimal digits or "0x" and hexadecimal digits; -1 when the text is neither, INT_MAX
// when it is too large for an int.
int parseGlyphNumber(const std::string& text);

// An outline font's pixel size as --size takes it, 1..64; throws UsageError for anything else.
int parsePixelSize(const std::string& text);

// Throws UsageError when a glyph of `args` lies outside the glyphs of `kind`, the kind read without --kind.
void checkGlyphRange(const Arguments& args, FontKind kind);

}  // namespace ledfont::cli
