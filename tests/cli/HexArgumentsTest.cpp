#include <gtest/gtest.h>

#include <optional>

#include "cli/Arguments.h"

namespace ledfont::cli {
namespace {

using Args = std::vector<std::string>;

Arguments unhex(Args paths, std::string output, UnhexOptions options,
                std::optional<FontKind> kind = std::nullopt) {
    return Arguments{
        CommandName::Unhex, std::move(paths), kind, std::move(output), {}, std::move(options), {}};
}

TEST(ParseHexArguments, AcceptsVerifyAndBothFormsOfUnhex) {
    const std::vector<std::pair<Args, Arguments>> cases = {
        {{"verify", "f.txt", "f.hex", "--kind", "jukta512"},
         Arguments{CommandName::Verify, {"f.txt", "f.hex"}, FontKind::Jukta512, {}, {}, {}, {}}},
        {{"unhex", "f.hex", "-o", "f.txt"}, unhex({"f.hex"}, "f.txt", {})},
        {{"unhex", "-o", "f.txt", "--kind=jukta512", "f.hex"},
         unhex({"f.hex"}, "f.txt", {false, "", 0}, FontKind::Jukta512)},
        {{"unhex", "--binary", "chip.bin", "--base", "0x8000", "-o", "f.txt", "--kind", "hindi"},
         unhex({}, "f.txt", {false, "chip.bin", 0x8000}, FontKind::Hindi)},
        {{"unhex", "--binary=chip.bin", "--base=4294967295", "-o", "f.txt"},
         unhex({}, "f.txt", {true, "chip.bin", 0xFFFFFFFF})},
    };
    for (const auto& [args, expected] : cases) {
        EXPECT_EQ(parseArguments(args), expected) << args[1];
    }
}

TEST(ParseHexArguments, RejectsWhatUnhexCannotActOn) {
    const std::vector<std::pair<Args, std::string>> cases = {
        {{"verify", "f.txt"}, "verify takes 2 files, got 1"},
        {{"verify", "f.txt", "f.hex", "-o", "x"}, "verify does not take \"-o\""},
        {{"unhex", "f.hex"}, "unhex needs -o FONT, the font file to write"},
        {{"unhex", "--kind", "auto", "--", "-f.hex", "-o", "f.txt"}, "unhex takes 1 file, got 3"},
        {{"unhex", "a.hex", "b.hex", "-o", "f.txt"}, "unhex takes 1 file, got 2"},
        {{"unhex", "f.hex", "--kind", "latin", "-o", "f.txt"},
         "--kind takes auto, hindi or jukta512, not \"latin\""},
        {{"unhex", "f.hex", "--kind", "auto", "--kind", "auto", "-o", "f.txt"}, "--kind given twice"},
        {{"unhex", "f.hex", "-o", "a", "-o", "b"}, "-o given twice"},
        {{"unhex", "f.hex", "-o", ""}, "-o needs a file name"},
        {{"unhex", "--binary", "c.bin", "-o", "f.txt"},
         "--binary needs --base ADDRESS, where the dump's first byte lies"},
        {{"unhex", "f.hex", "--base", "0", "-o", "f.txt"}, "--base goes with --binary FILE"},
        {{"unhex", "f.hex", "--binary", "c.bin", "--base", "0", "-o", "f.txt"},
         "unhex takes no HEX file with --binary"},
        {{"unhex", "--binary", "c.bin", "--base", "0x100000000", "-o", "f.txt"},
         "--base takes an address 0..0xFFFFFFFF, decimal or 0x hexadecimal, not \"0x100000000\""},
        {{"unhex", "--binary", "c.bin", "--base", "-1", "-o", "f.txt"},
         "--base takes an address 0..0xFFFFFFFF, decimal or 0x hexadecimal, not \"-1\""},
        {{"unhex", "--binary", "c.bin", "--base", "0x", "-o", "f.txt"},
         "--base takes an address 0..0xFFFFFFFF, decimal or 0x hexadecimal, not \"0x\""},
        {{"unhex", "f.hex", "-o", "f.txt", "--glyph", "1"}, "unhex does not take \"--glyph\""},
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

}  // namespace
}  // namespace ledfont::cli
