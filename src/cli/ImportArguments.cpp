#include "cli/ImportArguments.h"

#include "import/SourceFile.h"

#include <optional>
#include <string_view>

#include "cli/OptionWalker.h"
#include "font/Error.h"

namespace ledfont::cli {

namespace {

// Each option at most once.
void once(std::optional<std::string>& seen, const std::string& value, const char* name, const char* what) {
    if (seen) {
        throw UsageError(std::string(name) + " given twice");
    }
    if (value.empty()) {
        throw UsageError(std::string(name) + " needs " + what);
    }
    seen = value;
}

import::ConjunctSlots parseConjuncts(const std::string& text){
    if (text == "unpaired"){return import::ConjunctSlots::Unpaired;
}  // namespace
if (text == "all") {
    return import::ConjunctSlots::All;
}
if (text == "none") {
    return import::ConjunctSlots::None;
}
throw UsageError("--conjuncts takes unpaired, all or none, not \"" + displayValue(text) + "\"");
}  // namespace ledfont::cli

}  // namespace

std::vector<std::pair<int, int>> parseGlyphRanges(const std::string& text) {
    if (auto ranges = import::glyphRanges(text)) {
        return *std::move(ranges);
    }
    throw UsageError("--glyphs takes glyph numbers and ranges such as 0x15-0x39,0x80, not \"" +
                     displayValue(text) + "\"");
}

Arguments parseImportArguments(std::span<const std::string> args) {
    Arguments parsed;
    parsed.command = CommandName::Import;
    std::optional<std::string> kind;
    std::optional<std::string> output;
    std::optional<std::string> system;
    std::optional<std::string> into;
    std::optional<std::string> size;
    std::optional<std::string> glyphs;
    std::optional<std::string> conjuncts;
    std::optional<std::string> conjunctsFrom;
    OptionWalker walker(args);
    while (!walker.done()) {
        const std::string& arg = walker.next();
        if (walker.takePath(arg, parsed.paths)) {
            continue;
        }
        if (auto value = walker.valueOf(arg, "--kind")) {
            once(kind, *value, "--kind", "a kind");
            if (*value == "hindi") {
                parsed.kind = FontKind::Hindi;
            } else if (*value == "jukta512") {
                parsed.kind = FontKind::Jukta512;
            } else {
                throw UsageError("--kind takes hindi or jukta512, not \"" + displayValue(*value) + "\"");
            }
        } else if (auto value = walker.valueOf(arg, "-o")) {
            once(output, *value, "-o", "a file name");
        } else if (auto value = walker.valueOf(arg, "--system")) {
            once(system, *value, "--system", "a font family");
        } else if (auto value = walker.valueOf(arg, "--into")) {
            once(into, *value, "--into", "a file name");
        } else if (auto value = walker.valueOf(arg, "--size")) {
            once(size, *value, "--size", "a pixel size");
            parsed.importing.size = parsePixelSize(*value);
        } else if (auto value = walker.valueOf(arg, "--glyphs")) {
            once(glyphs, *value, "--glyphs", "glyph numbers");
            parsed.importing.glyphs = parseGlyphRanges(*value);
        } else if (auto value = walker.valueOf(arg, "--conjuncts")) {
            once(conjuncts, *value, "--conjuncts", "unpaired, all or none");
            parsed.importing.conjuncts = parseConjuncts(*value);
        } else if (auto value = walker.valueOf(arg, "--conjuncts-from")) {
            once(conjunctsFrom, *value, "--conjuncts-from", "a text file");
            parsed.importing.conjunctsFrom = *value;
        } else if (arg == "--only-empty") {
            if (std::exchange(parsed.importing.onlyEmpty, true)) {
                throw UsageError("--only-empty given twice");
            }
        } else {
            throw UsageError("import does not take \"" + displayValue(arg) + "\"");
        }
    }
    const std::size_t paths = system ? 0 : 1;
    if (parsed.paths.size() != paths) {
        throw UsageError(system ? "import takes no SOURCE file with --system"
                                : "import takes 1 file, got " + std::to_string(parsed.paths.size()));
    }
    if (!output) {
        throw UsageError("import needs -o OUT, the font file to write");
    }
    if (conjunctsFrom && parsed.importing.conjuncts == import::ConjunctSlots::None) {
        throw UsageError("--conjuncts-from counts conjuncts that --conjuncts none leaves out");
    }
    parsed.output = *output;
    parsed.importing.system = system.value_or("");
    parsed.importing.into = into.value_or("");
    return parsed;
}

}  // namespace ledfont::cli
