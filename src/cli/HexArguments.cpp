#include "cli/HexArguments.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "cli/OptionWalker.h"
#include "font/Error.h"

namespace ledfont::cli {

namespace {

void setKind(Arguments& parsed, const std::string& text) {
    if (text == "auto") {
        parsed.unhex.autoKind = true;
        return;
    }
    parsed.unhex.autoKind = false;
    if (text == "hindi") {
        parsed.kind = FontKind::Hindi;
    } else if (text == "jukta512") {
        parsed.kind = FontKind::Jukta512;
    } else {
        throw UsageError("--kind takes auto, hindi or jukta512, not \"" + displayValue(text) + "\"");
    }
}

std::uint32_t parseAddress(const std::string& text) {
    std::string_view digits = text;
    int base = 10;
    if (digits.starts_with("0x") || digits.starts_with("0X")) {
        digits.remove_prefix(2);
        base = 16;
    }
    std::uint64_t value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || value > 0xFFFFFFFF) {
        throw UsageError("--base takes an address 0..0xFFFFFFFF, decimal or 0x hexadecimal, not \"" +
                         displayValue(text) + "\"");
    }
    return static_cast<std::uint32_t>(value);
}

// Each option at most once.
void once(std::optional<std::string>& seen, const std::string& value, const char* name) {
    if (seen) {
        throw UsageError(std::string(name) + " given twice");
    }
    if (value.empty()) {
        throw UsageError(std::string(name) + " needs a file name");
    }
    seen = value;
}

}  // namespace

Arguments parseUnhexArguments(std::span<const std::string> args) {
    Arguments parsed;
    parsed.command = CommandName::Unhex;
    std::optional<std::string> kind;
    std::optional<std::string> output;
    std::optional<std::string> binary;
    std::optional<std::string> base;
    OptionWalker walker(args);
    while (!walker.done()) {
        const std::string& arg = walker.next();
        if (walker.takePath(arg, parsed.paths)) {
            continue;
        }
        if (auto value = walker.valueOf(arg, "--kind")) {
            if (kind) {
                throw UsageError("--kind given twice");
            }
            kind = *value;
            setKind(parsed, *value);
        } else if (auto value = walker.valueOf(arg, "-o")) {
            once(output, *value, "-o");
        } else if (auto value = walker.valueOf(arg, "--binary")) {
            once(binary, *value, "--binary");
        } else if (auto value = walker.valueOf(arg, "--base")) {
            if (base) {
                throw UsageError("--base given twice");
            }
            base = *value;
            parsed.unhex.base = parseAddress(*value);
        } else {
            throw UsageError("unhex does not take \"" + arg + "\"");
        }
    }
    if (binary.has_value() != base.has_value()) {
        throw UsageError(binary ? "--binary needs --base ADDRESS, where the dump's first byte lies"
                                : "--base goes with --binary FILE");
    }
    const std::size_t paths = binary ? 0 : 1;
    if (parsed.paths.size() != paths) {
        throw UsageError(binary ? "unhex takes no HEX file with --binary"
                                : "unhex takes 1 file, got " + std::to_string(parsed.paths.size()));
    }
    if (!output) {
        throw UsageError("unhex needs -o FONT, the font file to write");
    }
    parsed.output = *output;
    parsed.unhex.binary = binary.value_or("");
    return parsed;
}

}  // namespace ledfont::cli
