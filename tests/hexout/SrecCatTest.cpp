#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "HexTestSupport.h"
#include "hexout/HexFile.h"

namespace ledfont::hexout {
namespace {

namespace fs = std::filesystem;

// Appended piece by piece: GCC 12 at -O2 and above warns (-Wrestrict) about "'" + std::string, a false
// positive in its inlined insert at the front.
[[maybe_unused]] std::string quoted(const fs::path& path) {
    std::string text = "'";
    text += path.string();
    text += '\'';
    return text;
}

// srec_cat reads the file with its own Intel HEX reader, which rejects bad checksums and malformed
// records; shifted down by the region's first address its binary output must be the image.
TEST(SrecCat, ReadsTheHexFilesBackAsTheImage) {
#ifdef _WIN32
    GTEST_SKIP() << "srec_cat is a Linux program here";
#else
    if (std::system("command -v srec_cat >/dev/null") != 0) {
        GTEST_SKIP() << "srec_cat (Debian package srecord) is not installed";
    }
    test::TempFolder folder;
    const std::pair<bool, const char*> cases[] = {{false, "0x9000"}, {true, "0xA100"}};
    for (auto [jukta, base] : cases) {
        FontTables tables = test::randomTables(jukta ? 77 : 78, jukta);
        tables.FontFile = (folder.path() / (jukta ? "jukta.txt" : "hindi.txt")).string();
        fs::path hex = writeHexFile(tables);
        fs::path bin = folder.path() / "out.bin";
        fs::path err = folder.path() / "stderr.txt";
        std::string command = "srec_cat " + quoted(hex) + " -Intel -offset -" + base + " -o " + quoted(bin) +
                              " -Binary 2>" + quoted(err);
        int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << command;
        EXPECT_EQ(WEXITSTATUS(status), 0) << command;
        EXPECT_EQ(test::readFile(err), "") << command;
        // The regions of a Jukta512 file join up, so the expected bytes in address order are the image.
        std::string image;
        for (auto [address, byte] : test::expectedMemory(tables)) {
            image += static_cast<char>(byte);
        }
        EXPECT_EQ(image.size(), jukta ? 18432u : 4352u);
        EXPECT_EQ(test::readFile(bin), image) << hex;
    }
#endif
}

}  // namespace
}  // namespace ledfont::hexout
