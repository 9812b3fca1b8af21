#include "cli/Arguments.h"

#include <charconv>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

#include "cli/ExportCommand.h"
#include "cli/HexArguments.h"
#include "cli/ImportArguments.h"
#include "cli/OptionWalker.h"
#include "font/Error.h"

namespace ledfont::cli {

namespace {

struct CommandRule {
    std::string_view name;
    CommandName command;
    std::size_t pathCount;   // the least number of paths
    bool morePaths = false;  // more than pathCount may follow
    bool takesKind = false;
    bool takesOutput = false;
    bool takesGlyphs = false;
    bool takesText = false;
    bool takesPanels = false;
    bool takesPng = false;
    bool takesAgainst = false;
};

constexpr CommandRule kCommands[] = {
    {.name = "hex", .command = CommandName::Hex, .pathCount = 1, .takesKind = true, .takesOutput = true},
    {.name = "check",
     .command = CommandName::Check,
     .pathCount = 1,
     .takesKind = true,
     .takesText = true,
     .takesPanels = true,
     .takesAgainst = true},
    {.name = "show", .command = CommandName::Show, .pathCount = 1, .takesKind = true, .takesGlyphs = true},
    {.name = "jconv", .command = CommandName::Jconv, .pathCount = 2},
    {.name = "verify", .command = CommandName::Verify, .pathCount = 2, .takesKind = true},
    {.name = "preview",
     .command = CommandName::Preview,
     .pathCount = 2,
     .morePaths = true,
     .takesKind = true,
     .takesPanels = true,
     .takesPng = true,
     .takesAgainst = true},
    {.name = "sheet", .command = CommandName::Sheet, .pathCount = 1, .takesKind = true, .takesOutput = true},
};

constexpr int kMostPanels = 1000;

int parsePanels(const std::string& text) {
    const int panels = parseGlyphNumber(text);
    if (panels < 1 || panels > kMostPanels || text.starts_with("0x") || text.starts_with("0X")) {
        throw UsageError("--panels takes a number of panels 1.." + std::to_string(kMostPanels) + ", not \"" +
                         displayValue(text) + "\"");
    }
    return panels;
}

// A file name option, at most once.
void takeFileName(std::string& into, const std::string& value, const char* name) {
    if (!into.empty()) {
        throw UsageError(std::string(name) + " given twice");
    }
    if (value.empty()) {
        throw UsageError(std::string(name) + " needs a file name");
    }
    into = value;
}

void checkPathCount(const CommandRule& rule, const Arguments& parsed) {
    const std::size_t count = parsed.paths.size();
    if (rule.morePaths && count < rule.pathCount) {
        throw UsageError(std::string(rule.name) + " takes a font and a text, got " + std::to_string(count) +
                         (count == 1 ? " argument" : " arguments"));
    }
    if (!rule.morePaths && count != rule.pathCount) {
        throw UsageError(std::string(rule.name) + " takes " + std::to_string(rule.pathCount) +
                         (rule.pathCount == 1 ? " file" : " files") + ", got " + std::to_string(count));
    }
    if (parsed.panels > 0 && rule.takesText && parsed.text.empty()) {
        throw UsageError("--panels needs --text");
    }
    if (!parsed.against.empty() && rule.takesText && parsed.text.empty()) {
        throw UsageError("--against needs --text");
    }
    if (parsed.againstSize > 0 && parsed.against.empty()) {
        throw UsageError("--size needs --against");
    }
    if (rule.command == CommandName::Sheet && parsed.output.empty()) {
        throw UsageError("sheet needs -o OUT.png");
    }
}

const CommandRule& findCommand(std::string_view name) {
    for (const CommandRule& rule : kCommands) {
        if (rule.name == name) {
            return rule;
        }
    }
    throw UsageError("unknown command \"" + displayValue(name) + "\"");
}

void checkGlyphs(const std::vector<int>& glyphs, FontKind kind, const std::string& what) {
    for (int glyph : glyphs) {
        if (glyph >= glyphCount(kind)) {
            throw UsageError("--glyph " + std::to_string(glyph) + " is outside 0.." +
                             std::to_string(glyphCount(kind) - 1) + " of " + what);
        }
    }
}

Arguments parseCommand(const CommandRule& rule, std::span<const std::string> args) {
    Arguments parsed;
    parsed.command = rule.command;
    bool kindSeen = false;
    OptionWalker walker(args);
    while (!walker.done()) {
        const std::string& arg = walker.next();
        if (walker.takePath(arg, parsed.paths)) {
            continue;
        }
        if (auto kind = rule.takesKind ? walker.valueOf(arg, "--kind") : std::nullopt) {
            if (std::exchange(kindSeen, true)) {
                throw UsageError("--kind given twice");
            }
            parsed.kind = parseKind(*kind);
        } else if (auto out = rule.takesOutput ? walker.valueOf(arg, "-o") : std::nullopt) {
            takeFileName(parsed.output, *out, "-o");
        } else if (auto text = rule.takesText ? walker.valueOf(arg, "--text") : std::nullopt) {
            takeFileName(parsed.text, *text, "--text");
        } else if (auto png = rule.takesPng ? walker.valueOf(arg, "--png") : std::nullopt) {
            takeFileName(parsed.png, *png, "--png");
        } else if (auto panels = rule.takesPanels ? walker.valueOf(arg, "--panels") : std::nullopt) {
            if (parsed.panels != 0) {
                throw UsageError("--panels given twice");
            }
            parsed.panels = parsePanels(*panels);
        } else if (auto against = rule.takesAgainst ? walker.valueOf(arg, "--against") : std::nullopt) {
            takeFileName(parsed.against, *against, "--against");
        } else if (auto size = rule.takesAgainst ? walker.valueOf(arg, "--size") : std::nullopt) {
            if (parsed.againstSize != 0) {
                throw UsageError("--size given twice");
            }
            parsed.againstSize = parsePixelSize(*size);
        } else if (auto glyph = rule.takesGlyphs ? walker.valueOf(arg, "--glyph") : std::nullopt) {
            int number = parseGlyphNumber(*glyph);
            if (number < 0) {
                throw UsageError("--glyph takes a number, decimal or 0x hexadecimal, not \"" +
                                 displayValue(*glyph) + "\"");
            }
            parsed.glyphs.push_back(number);
        } else {
            throw UsageError(std::string(rule.name) + " does not take \"" + displayValue(arg) + "\"");
        }
    }
    checkPathCount(rule, parsed);
    if (parsed.kind) {
        checkGlyphs(parsed.glyphs, *parsed.kind, "this kind");
    } else {
        checkGlyphs(parsed.glyphs, FontKind::Jukta512, "a Jukta512 font");
    }
    return parsed;
}

}  // namespace

FontKind parseKind(std::string_view text) {
    if (text == "hindi") {
        return FontKind::Hindi;
    }
    if (text == "jukta512") {
        return FontKind::Jukta512;
    }
    throw UsageError("--kind takes hindi or jukta512, not \"" + displayValue(text) + "\"");
}

int parsePixelSize(const std::string& text) {
    constexpr int kLargestSize = 64;
    const int size = parseGlyphNumber(text);
    if (size < 1 || size > kLargestSize) {
        throw UsageError("--size takes a pixel size 1.." + std::to_string(kLargestSize) + ", not \"" +
                         displayValue(text) + "\"");
    }
    return size;
}

int parseGlyphNumber(const std::string& text) {
    std::string_view digits = text;
    int base = 10;
    if (digits.starts_with("0x") || digits.starts_with("0X")) {
        digits.remove_prefix(2);
        base = 16;
    }
    int value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || end != digits.data() + digits.size() || digits.starts_with('-') ||
        digits.starts_with('+')) {
        return -1;
    }
    // A number too large for an int is still a number, only outside every font.
    return ec == std::errc::result_out_of_range ? std::numeric_limits<int>::max() : value;
}

void checkGlyphRange(const Arguments& args, FontKind kind) {
    checkGlyphs(args.glyphs, kind, kind == FontKind::Hindi ? "a Hindi font" : "a Jukta512 font");
}

Arguments parseArguments(std::span<const std::string> args) {
    if (args.empty()) {
        throw UsageError("no command given");
    }
    for (const std::string& arg : args) {
        if (arg == "--") {
            break;
        }
        if (arg == "--help" || arg == "-h") {
            return Arguments{};
        }
    }
    if (args[0] == "--version") {
        if (args.size() > 1) {
            throw UsageError("--version takes nothing more");
        }
        Arguments parsed;
        parsed.command = CommandName::Version;
        return parsed;
    }
    if (args[0] == "unhex") {
        return parseUnhexArguments(args.subspan(1));
    }
    if (args[0] == "export") {
        return parseExportArguments(args.subspan(1));
    }
    if (args[0] == "import") {
        return parseImportArguments(args.subspan(1));
    }
    return parseCommand(findCommand(args[0]), args.subspan(1));
}

}  // namespace ledfont::cli
