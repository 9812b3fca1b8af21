#include <gtest/gtest.h>

#include <filesystem>

#include "CliTestSupport.h"

namespace ledfont::test {
namespace {

namespace fs = std::filesystem;

std::string decimalLines(int first, int count, int step) {
    std::string lines;
    for (int i = 0; i < count; ++i) {
        lines += std::to_string((first + i * step) % 128) + "\r\n";
    }
    return lines;
}

TEST(LedfontJconv, ConvertsTheListInTheData) {
    TempFolder folder;
    writeFile(folder / "out.txt", "old");
    RunResult run = runLedfont({"jconv", LEDFONT_TEST_DATA "/cli/conjuncts.txt", folder / "out.txt"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, (folder / "out.txt").string() + "\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readFile(folder / "out.txt"), decimalLines(3, 128, 5));
}

TEST(LedfontJconv, WarnsWhenTheListGoesOnAfterItsValues) {
    TempFolder folder;
    std::string list;
    for (int i = 0; i < 129; ++i) {
        list += "0x05\r\n";
    }
    writeFile(folder / "long.txt", list);
    expectRuns({{{"jconv", folder / "long.txt", folder / "out.txt"},
                 0,
                 (folder / "out.txt").string() + "\n",
                 "ledfont: " + (folder / "long.txt").string() +
                     ": more values follow the 128 a conjunct list holds; they are not converted\n"}});
    EXPECT_EQ(readFile(folder / "out.txt"), decimalLines(5, 128, 0));
}

TEST(LedfontJconv, FailuresLeaveAnExistingOutputByteIdentical) {
    TempFolder folder;
    std::string list;
    for (int i = 0; i < 128; ++i) {
        list += "0x00\r\n";
    }
    writeFile(folder / "good.txt", list);
    writeFile(folder / "bad.txt", "0x01\r\n0x02,0xZZ\r\n");
    writeFile(folder / "over.txt", "0x01\r\n0x100\r\n");
    writeFile(folder / "short.txt", "0x01,0x02\r\n");
    writeFile(folder / "out.txt", "keep me\r\n");
    const std::string out = folder / "out.txt";
    expectFailures(
        folder,
        {
            {{"jconv", folder / "none.txt", out}, "File not found: " + (folder / "none.txt").string()},
            {{"jconv", folder / "bad.txt", out},
             "Type mismatch: " + (folder / "bad.txt").string() + ", line 2, value \"0xZZ\""},
            {{"jconv", folder / "over.txt", out},
             "Overflow: " + (folder / "over.txt").string() + ", line 2, value \"0x100\""},
            {{"jconv", folder / "short.txt", out},
             "Input past end of file: " + (folder / "short.txt").string() +
                 ", line 1 (found 2 of 128 values)"},
            {{"jconv", folder / "good.txt", folder / "nodir/out.txt"},
             "Path not found: " + (folder / "nodir/out.txt").string()},
            {{"jconv", folder / "good.txt", folder / "good.txt"},
             "File already exists: " + (folder / "good.txt").string() +
                 " (the output would replace the conjunct list)"},
        });
}

}  // namespace
}  // namespace ledfont::test
