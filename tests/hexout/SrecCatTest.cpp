#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "HexTestSupport.h"
#include "hexout/HexFile.h"

namespace ledfont::hexout {
namespace {

namespace fs = std::filesystem;

bool onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string folders = path == nullptr ? "" : path;
    for (std::size_t at = 0; at <= folders.size();) {
        std::size_t end = std::min(folders.find(':', at), folders.size());
        fs::path candidate = fs::path(folders.substr(at, end - at)) / program;
        std::error_code ec;
        if (end > at && fs::is_regular_file(candidate, ec)) {
            return true;
        }
        at = end + 1;
    }
    return false;
}

std::string quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

// srec_cat reads the file with its own Intel HEX reader, which rejects bad checksums and malformed
// records; shifted down by the region's first address its binary output must be the image.
TEST(SrecCat, ReadsTheHexFilesBackAsTheImage) {
    if (!onPath("srec_cat")) {
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
        std::string binary = test::readFile(bin);
        std::vector<std::uint8_t> image(binary.begin(), binary.end());
        EXPECT_EQ(image.size(), jukta ? 18432u : 4352u);
        EXPECT_EQ(image, test::expectedImage(tables)) << hex;
    }
}

}  // namespace
}  // namespace ledfont::hexout
