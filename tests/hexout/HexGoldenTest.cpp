#include <gtest/gtest.h>

#include <filesystem>

#include "HexTestSupport.h"
#include "hexout/HexRecords.h"

namespace ledfont::hexout {
namespace {

TEST(HexGolden, MatchesTheFilesMadeBySrecCat) {
    const std::pair<bool, const char*> cases[] = {{false, "hindi.hex"}, {true, "jukta512.hex"}};
    for (auto [jukta, name] : cases) {
        FontTables tables = test::patternTables(jukta);
        std::string golden = test::readFile(std::filesystem::path(LEDFONT_TEST_DATA) / "hexout" / name);
        EXPECT_EQ(buildHexText(tables), golden) << name;
    }
}

}  // namespace
}  // namespace ledfont::hexout
