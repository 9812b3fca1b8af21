#include <gtest/gtest.h>

#include "HexTestSupport.h"
#include "hexout/HexRecords.h"

namespace ledfont::hexout {
namespace {

// For any tables, the file read back by an independent parser holds exactly the tables' bytes at their
// addresses, every checksum is right and the file ends with the one end record.
TEST(HexProperty, ReparsedFileEqualsTheTables) {
    constexpr int kIterations = 150;
    for (int i = 0; i < kIterations; ++i) {
        FontTables tables = test::randomTables(static_cast<std::uint32_t>(1000 + i), i % 2 == 1);
        std::string text = buildHexText(tables);
        std::vector<test::ParsedRecord> records;
        ASSERT_NO_THROW(records = test::parseHex(text)) << "iteration " << i;
        ASSERT_FALSE(records.empty());
        const test::ParsedRecord& end = records.back();
        EXPECT_EQ(end.type, 1);
        EXPECT_EQ(end.count, 0);
        EXPECT_EQ(end.address, 0);
        records.pop_back();
        for (const auto& record : records) {
            ASSERT_EQ(record.type, 0);
            ASSERT_EQ(record.count, 16);
        }
        ASSERT_EQ(test::memoryOf(records), test::expectedMemory(tables)) << "iteration " << i;
    }
}

}  // namespace
}  // namespace ledfont::hexout
