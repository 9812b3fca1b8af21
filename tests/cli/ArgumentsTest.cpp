#include "cli/Arguments.h"

#include <gtest/gtest.h>

#include <climits>

namespace ledfont::cli {
namespace {

using Args = std::vector<std::string>;

Arguments make(CommandName command, Args paths, std::optional<FontKind> kind = {}, std::string output = {},
               std::vector<int> glyphs = {}) {
    return Arguments{command, std::move(paths), kind, std::move(output), std::move(glyphs), {}, {}};
}

TEST(ParseArguments, AcceptsEveryCommandWithOptionsInAnyPlace) {
    const std::vector<std::pair<Args, Arguments>> cases = {
        {{"hex", "f.txt"}, make(CommandName::Hex, {"f.txt"})},
        {{"hex", "--kind", "jukta512", "f.txt", "-o", "o.hex"},
         make(CommandName::Hex, {"f.txt"}, FontKind::Jukta512, "o.hex")},
        {{"hex", "f.txt", "--kind=hindi", "-o", "-"},
         make(CommandName::Hex, {"f.txt"}, FontKind::Hindi, "-")},
        {{"check", "f.txt", "--kind", "jukta512"}, make(CommandName::Check, {"f.txt"}, FontKind::Jukta512)},
        {{"show", "f.txt", "--glyph", "21", "--glyph=0x3F", "--glyph", "0X7f", "--glyph", "21"},
         make(CommandName::Show, {"f.txt"}, {}, {}, {21, 63, 127, 21})},
        {{"show", "--glyph", "511", "--kind", "jukta512", "f.txt"},
         make(CommandName::Show, {"f.txt"}, FontKind::Jukta512, {}, {511})},
        {{"show", "--", "-font.txt"}, make(CommandName::Show, {"-font.txt"})},
        {{"jconv", "in.txt", "out.txt"}, make(CommandName::Jconv, {"in.txt", "out.txt"})},
        {{"--version"}, make(CommandName::Version, {})},
        {{"--help"}, make(CommandName::Help, {})},
        {{"hex", "f.txt", "-h"}, make(CommandName::Help, {})},
    };
    for (const auto& [args, expected] : cases) {
        EXPECT_EQ(parseArguments(args), expected) << args[0] << " " << (args.size() > 1 ? args[1] : "");
    }
}

TEST(ParseArguments, RejectsWhatTheCommandDoesNotTake) {
    const std::vector<std::pair<Args, std::string>> cases = {
        {{}, "no command given"},
        {{"frob", "f.txt"}, "unknown command \"frob\""},
        {{"hex"}, "hex takes 1 file, got 0"},
        {{"hex", "a.txt", "b.txt"}, "hex takes 1 file, got 2"},
        {{"jconv", "in.txt"}, "jconv takes 2 files, got 1"},
        {{"hex", "f.txt", "--kind", "latin"}, "--kind takes hindi or jukta512, not \"latin\""},
        {{"hex", "f.txt", "--kind"}, "--kind needs a value"},
        {{"hex", "f.txt", "--kind", "hindi", "--kind=hindi"}, "--kind given twice"},
        {{"hex", "f.txt", "-o", "a", "-o", "b"}, "-o given twice"},
        {{"hex", "f.txt", "-o", ""}, "-o needs a file name"},
        {{"hex", "f.txt", "--glyph", "1"}, "hex does not take \"--glyph\""},
        {{"check", "f.txt", "-o", "x"}, "check does not take \"-o\""},
        {{"jconv", "a", "b", "--kind", "hindi"}, "jconv does not take \"--kind\""},
        {{"show", "f.txt", "--kind=hindi", "--glyph", "128"}, "--glyph 128 is outside 0..127 of this kind"},
        {{"show", "f.txt", "--glyph", "512"}, "--glyph 512 is outside 0..511 of a Jukta512 font"},
        {{"show", "f.txt", "--glyph", "512", "--kind", "jukta512"},
         "--glyph 512 is outside 0..511 of this kind"},
        {{"show", "f.txt", "--glyph", "abc"},
         "--glyph takes a number, decimal or 0x hexadecimal, not \"abc\""},
        {{"show", "f.txt", "--glyph", "-1"}, "--glyph takes a number, decimal or 0x hexadecimal, not \"-1\""},
        {{"show", "f.txt", "-x"}, "show does not take \"-x\""},
        {{"--version", "x"}, "--version takes nothing more"},
    };
    for (const auto& [args, message] : cases) {
        try {
            parseArguments(args);
            ADD_FAILURE() << "accepted: " << message;
        } catch (const UsageError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

TEST(ParseGlyphNumber, ReadsDecimalAndHexAndNothingElse) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"0", 0},     {"21", 21},  {"0x15", 21}, {"0X1ff", 511}, {"007", 7},
        {"", -1},     {"0x", -1},  {"1.5", -1},  {"+3", -1},     {"-3", -1},
        {"0x-3", -1}, {"12a", -1}, {"&H15", -1}, {" 5", -1},     {"99999999999", INT_MAX},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(parseGlyphNumber(text), value) << text;
    }
}

}  // namespace
}  // namespace ledfont::cli
