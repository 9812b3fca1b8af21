#include <gtest/gtest.h>

#include "CliTestSupport.h"

namespace ledfont::test {
namespace {

TEST(LedfontUsage, HelpAndVersionGoToStdout) {
    RunResult help = runLedfont({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("usage:\n  ledfont hex   FONT [--kind hindi|jukta512] [-o OUT]\n"));
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(runLedfont({"show", "--help"}).out, help.out);

    RunResult version = runLedfont({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "ledfont " LEDFONT_VERSION "\n");
    EXPECT_EQ(version.err, "");
}

TEST(LedfontUsage, UsageErrorsExitTwoWithTheUsageAndWriteNothing) {
    TempFolder folder;
    const std::string font = folder / "font.txt";
    writeFile(font, "not a font\r\n");
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frob"},
        {"hex"},
        {"hex", font, font},
        {"hex", font, "--kind", "latin"},
        {"hex", font, "-o"},
        {"check", font, "-o", folder / "out.hex"},
        {"show", font, "--glyph", "128"},
        {"show", font, "--kind", "jukta512", "--glyph", "0x200"},
        {"show", font, "--glyph", "x"},
        {"jconv", font},
        {"jconv", font, folder / "out.txt", folder / "more.txt"},
        {"verify", font},
        {"unhex", font},
        {"unhex", "--binary", font, "-o", folder / "out.txt"},
        {"import", font},
        {"import", "--system", "Noto Sans Devanagari", font, "-o", folder / "out.txt"},
        {"import", font, "-o", folder / "out.txt", "--glyphs", "0x80"},
        {"import", font, "-o", folder / "out.txt", "--conjuncts", "all"},
    };
    const auto before = folder.snapshot();
    const RunResult help = runLedfont({"--help"});
    for (const auto& args : cases) {
        RunResult run = runLedfont(args);
        std::string shown = args.empty() ? "(none)" : args[0];
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_TRUE(run.err.starts_with("ledfont: ")) << run.err;
        // One line saying what is wrong, then the usage.
        EXPECT_EQ(run.err.substr(run.err.find('\n') + 1), help.out) << shown;
    }
    EXPECT_EQ(folder.snapshot(), before);
}

}  // namespace
}  // namespace ledfont::test
