#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "font/Error.h"
#include "hexout/HexReader.h"
#include "support/TestFiles.h"

namespace ledfont::hexout {
namespace {

const std::string kZeros = ":10A10000000000000000000000000000000000004F";  // 16 zeros at 0xA100
const std::string kEnd = ":00000001FF";

// The message of what `read` throws: a HexError, or an Error for the file itself.
template <typename Read>
std::string failure(Read&& read) {
    try {
        read();
    } catch (const HexError& e) {
        return e.what();
    } catch (const Error& e) {
        return e.what();
    }
    return "(read without error)";
}

std::string errorText(const std::string& text) {
    return failure([&] { readHex(text); });
}

HexSegment segment(std::uint32_t address, std::vector<std::uint8_t> bytes) {
    return {address, std::move(bytes)};
}

TEST(HexReader, NamesTheLineAndTheFaultOfTheFirstError) {
    const std::string longLine = ":" + std::string(600, '0');
    const std::vector<std::pair<std::string, std::string>> cases = {
        {kZeros.substr(0, 42) + "E\r\n" + kEnd, "HEX line 1: checksum 4E, expected 4F"},
        {kZeros + "\r\n" + kZeros + "\n:10A1000000000000000G000000000000000000004F\n",
         "HEX line 3: bad digit 'G' at column 21"},
        {kZeros + " \n" + kEnd, "HEX line 1: bad digit (byte 20) at column 44"},
        {":10A10000000000000000\r000000000000000000004F\n" + kEnd,
         "HEX line 1: bad digit (byte 0D) at column 22"},
        {":0000001FF\n", "HEX line 1: short line (10 characters, a record has at least 11)"},
        {":11A10000000000000000000000000000000000004F\n",
         "HEX line 1: byte count 11 needs 45 characters, the line has 43"},
        {kZeros + "0\n", "HEX line 1: byte count 10 needs 43 characters, the line has 44"},
        {longLine + "\n", "HEX line 1: line too long (more than 521 characters)"},
        {"10A10000000000000000000000000000000000004F\n", "HEX line 1: does not start with ':'"},
        {kZeros + "\n\n" + kEnd, "HEX line 2: empty line"},
        {":00000006FA\n" + kEnd, "HEX line 1: unknown record type 06"},
        {":0100000400FB\n" + kEnd, "HEX line 1: type 04 record with byte count 01, expected 02"},
        {":020000010000FD\n", "HEX line 1: type 01 record with byte count 02, expected 00"},
        {":02000004FFFFFC\n:02FFFF000102FD\n" + kEnd, "HEX line 2: record runs past address 0xFFFFFFFF"},
        {"", "HEX line 1: no end record before the end of the file"},
        {kZeros + "\r\n" + kZeros + "\r\n", "HEX line 3: no end record before the end of the file"},
        {kEnd + "\n" + kZeros + "\n", "HEX line 2: data after the end record"},
        {kEnd + "\n" + kEnd + "\n", "HEX line 2: data after the end record"},
        {":01A10000FF5F\n" + kZeros + "\n:01A100000A54\n" + kEnd,
         "HEX line 2: 0xA100 gets 00, but line 1 gave it FF"},
        {":01A100000A54\n:01A10000FF5F\n" + kEnd, "HEX line 2: 0xA100 gets FF, but line 1 gave it 0A"},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_EQ(errorText(text), message) << text.substr(0, 60);
    }
}

TEST(HexReader, TakesTheRecordsOfEveryWriterAsTheBytesByAddress) {
    std::string big = ":FF900000";  // 255 bytes of 0x01 at 0x9000
    for (int i = 0; i < 255; ++i) {
        big += "01";
    }
    big += "72";  // -(0xFF + 0x90 + 255) mod 256
    const std::vector<std::pair<std::string, std::vector<HexSegment>>> cases = {
        // lower case, LF line ends, no line end after the end record
        {":10a10000000000000000000000000000000000004f\n:00000001ff",
         {segment(0xA100, std::vector<std::uint8_t>(16))}},
        {big + "\r\n" + kEnd + "\r\n", {segment(0x9000, std::vector<std::uint8_t>(255, 1))}},
        // an empty data record, start addresses and empty lines after the end are no data
        {":0000000000\n:040000030000A10058\n:040000050000A10056\n" + kEnd + "\n\n\r\n", {}},
        // records out of order, one repeated with the same bytes, join into one segment
        {":020010001122BB\n" + kZeros + "\n:020010001122BB\n:020012001122B9\n" + kEnd,
         {segment(0x10, {0x11, 0x22, 0x11, 0x22}), segment(0xA100, std::vector<std::uint8_t>(16))}},
        // a linear base: addresses run on past the 64 KiB
        {":020000040001F9\n" + kZeros + "\n:02FFFF000102FD\n" + kEnd,
         {segment(0x1A100, std::vector<std::uint8_t>(16)), segment(0x1FFFF, {1, 2})}},
        // a segment base: the offset wraps within the segment
        {":02000002F0000C\n:02FFFF000102FD\n" + kEnd, {segment(0xF0000, {2}), segment(0xFFFFF, {1})}},
    };
    for (const auto& [text, segments] : cases) {
        HexMemory expected{segments};
        EXPECT_EQ(readHex(text), expected) << text.substr(0, 60);
        std::istringstream stream(text);
        EXPECT_EQ(readHex(stream), expected) << text.substr(0, 60);
    }
}

// Lines arrive from a file in blocks; one that spans a block boundary, or runs on for megabytes, is read
// as it would be whole.
TEST(HexReader, ReadsFilesInBlocksWithTheSameResults) {
    test::TempFolder folder;
    std::string text;
    for (int i = 0; i < 3000; ++i) {
        text += kZeros + (i % 2 ? "\n" : "\r\n");
    }
    test::writeFile(folder / "ok.hex", text + kEnd + "\r\n");
    EXPECT_EQ(readHexFile(folder / "ok.hex"), (HexMemory{{segment(0xA100, std::vector<std::uint8_t>(16))}}));
    test::writeFile(folder / "long.hex", kZeros + "\n:" + std::string(3'000'000, '0') + "\n");
    EXPECT_EQ(failure([&] { readHexFile(folder / "long.hex"); }),
              "HEX line 2: line too long (more than 521 characters)");
    EXPECT_EQ(failure([&] { readHexFile(folder / "none.hex"); }),
              "File not found: " + (folder / "none.hex").string());
}

}  // namespace
}  // namespace ledfont::hexout
