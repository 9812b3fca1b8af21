#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "HexTestSupport.h"
#include "font/FontText.h"
#include "hexout/HexCompare.h"
#include "hexout/HexReader.h"
#include "hexout/HexRecords.h"
#include "hexout/HexRecover.h"

namespace ledfont::hexout {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

FontTables namedFont(FontTables tables) {
    tables.FontFile = "font.txt";
    return tables;
}

std::string hexOf(FontTables tables) {
    return buildHexText(tables);
}

Lines hexLines(const FontTables& tables) {
    return test::crLfLines(hexOf(tables));
}

std::string joined(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

// Data record `n` of a HEX text with its address replaced (the checksum made right again).
void moveRecord(Lines& lines, std::size_t n, const std::string& address) {
    std::string body = lines[n].substr(0, lines[n].size() - 2);
    lines[n] = test::withChecksum(body.replace(3, 4, address));
}

// Data byte `j` of record `n` replaced by `byte` (two digits), the checksum made right again.
void setByte(Lines& lines, std::size_t n, std::size_t j, const std::string& byte) {
    std::string body = lines[n].substr(0, lines[n].size() - 2);
    lines[n] = test::withChecksum(body.replace(9 + 2 * j, 2, byte));
}

struct Fault {
    const char* what;
    bool jukta;
    std::function<void(Lines&)> edit;
    Lines differences;
};

TEST(HexCompare, NamesEachDifferenceInTheFontsTerms) {
    // Pattern bytes: glyph byte b of glyph g is (34 g + b) * 7 mod 256, pair byte k is ((2 g + k) * 5 + 3)
    // mod 256.
    const std::vector<Fault> faults = {
        {"one flipped bit",
         false,
         [](Lines& l) { setByte(l, 0x2D, 3, "C7"); },  // 0x92D3, glyph 21 byte 9
         {"glyph 21 (Code: 0915) byte 9 (column 3, rows 8..15): font C5, HEX C7"}},
        {"width of a Jukta512 glyph",
         true,
         [](Lines& l) { setByte(l, 2, 2, "08"); },  // 0xA122
         {"glyph 1 (Code: 001) byte 0 (width): font EE, HEX 08"}},
        {"conjunct pair",
         true,
         [](Lines& l) { setByte(l, 0x465, 9, "00"); },  // 0xE759
         {"conjunct pair of glyph 300 byte 1: font C0, HEX 00"}},
        {"missing record",
         false,
         [](Lines& l) { l.erase(l.begin() + 0x10); },
         {"missing from the HEX: 0x9100-0x910F"}},
        {"record at a wrong address",
         false,
         [](Lines& l) { moveRecord(l, 1, "0010"); },
         {"not part of the font: 0x0010-0x001F", "missing from the HEX: 0x9010-0x901F"}},
        {"Hindi HEX for a Jukta512 font",
         true,
         [](Lines& l) { l = hexLines(test::patternTables(false)); },
         {"not part of the font: 0x9000-0xA0FF", "missing from the HEX: 0xA100-0xE8FF"}},
    };
    for (const Fault& fault : faults) {
        const FontTables font = namedFont(test::patternTables(fault.jukta));
        Lines lines = hexLines(font);
        fault.edit(lines);
        HexComparison result = compareHexWithFont(font, readHex(joined(lines)));
        EXPECT_EQ(result.differences, fault.differences) << fault.what;
        EXPECT_EQ(result.count, fault.differences.size()) << fault.what;
        EXPECT_EQ(result.summary, "HEX does not match font.txt: " + std::to_string(fault.differences.size()) +
                                      (fault.differences.size() == 1 ? " difference" : " differences"))
            << fault.what;
    }
}

TEST(HexCompare, KeepsTheFirstLinesAndCountsAll) {
    const FontTables shifted = namedFont(test::patternTables(false, 1));  // every byte one more
    HexComparison result = compareHexWithFont(shifted, readHex(hexOf(test::patternTables(false))), 3);
    EXPECT_EQ(result.differences,
              (Lines{"glyph 0 (Code: 0900) byte 0 (width): font 01, HEX 00",
                     "glyph 0 (Code: 0900) byte 1 (kind and centre): font 08, HEX 07",
                     "glyph 0 (Code: 0900) byte 2 (column 0, rows 0..7): font 0F, HEX 0E"}));
    EXPECT_EQ(result.summary, "HEX does not match font.txt: 4352 differences, the first 3 shown");
}

// A checksum changed by hand, or a record moved onto another, is the reader's to report.
TEST(HexCompare, AChangedChecksumOrARecordMovedOntoAnotherDoesNotRead) {
    Lines changed = hexLines(test::patternTables(false));
    const std::string checksum = changed[5].substr(41);
    changed[5].replace(41, 2, checksum == "00" ? "01" : "00");
    Lines moved = hexLines(test::patternTables(false));
    moveRecord(moved, 1, "9020");
    const std::pair<Lines, std::string> cases[] = {
        {changed, "HEX line 6: checksum " + changed[5].substr(41) + ", expected " + checksum},
        {moved, "HEX line 3: 0x9020 gets E0, but line 2 gave it 70"},
    };
    for (const auto& [lines, message] : cases) {
        try {
            readHex(joined(lines));
            ADD_FAILURE() << "read without error: " << message;
        } catch (const HexError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

[[maybe_unused]] std::string quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

// Other writers cut the image into other records: srec_cat into 32-byte records after a type 04 record,
// objcopy into 16-byte records ending with a start address; both with LF line ends.
TEST(HexCompare, AcceptsTheHexOfOtherWritersOfTheSameImage) {
#ifdef _WIN32
    GTEST_SKIP() << "srec_cat and objcopy are Linux programs here";
#else
    if (std::system("command -v srec_cat >/dev/null && command -v objcopy >/dev/null") != 0) {
        GTEST_SKIP() << "srec_cat (srecord) or objcopy (binutils) is not installed";
    }
    test::TempFolder folder;
    for (bool jukta : {false, true}) {
        const FontTables font = namedFont(test::randomTables(jukta ? 5 : 6, jukta));
        std::string image;
        for (auto [address, byte] : test::expectedMemory(font)) {
            image += static_cast<char>(byte);
        }
        test::writeFile(folder / "image.bin", image);
        const std::string base = jukta ? "0xA100" : "0x9000";
        const std::string bin = quoted(folder / "image.bin");
        const std::vector<std::string> commands = {
            "srec_cat " + bin + " -Binary -offset " + base + " -o " + quoted(folder / "srec.hex") + " -Intel",
            "objcopy -I binary -O ihex --change-addresses " + base + " " + bin + " " +
                quoted(folder / "objcopy.hex"),
        };
        for (const std::string& command : commands) {
            int status = std::system((command + " 2>/dev/null").c_str());
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
        }
        EXPECT_TRUE(test::readFile(folder / "srec.hex").starts_with(":020000040000FA\n:20" + base.substr(2)));
        for (const char* name : {"srec.hex", "objcopy.hex"}) {
            HexComparison result = compareHexWithFont(font, readHexFile(folder / name));
            EXPECT_EQ(result.differences, Lines{}) << name;
            EXPECT_EQ(result.summary, jukta ? "HEX matches font.txt: 18432 bytes at 0xA100-0xE8FF"
                                            : "HEX matches font.txt: 4352 bytes at 0x9000-0xA0FF")
                << name;
        }
    }
#endif
}

TEST(HexRecover, RecoversTheFontTextOfRandomFontsOfBothKinds) {
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        const bool jukta = seed % 2 == 0;
        const FontTables font = test::randomTables(seed, jukta);
        const HexMemory hex = readHex(hexOf(font));
        ASSERT_EQ(kindOfHex(hex), kindOf(jukta)) << seed;
        const FontTables back = tablesFromHex(hex, kindOf(jukta));
        EXPECT_EQ(back.JuktaMode, jukta);
        EXPECT_EQ(formatFontText(back), formatFontText(font)) << seed;
    }
}

TEST(HexRecover, ReadsOnlyTheFontPartOfARawDump) {
    test::TempFolder folder;
    const FontTables font = test::randomTables(9, false);
    std::string image;
    for (auto [address, byte] : test::expectedMemory(font)) {
        image += static_cast<char>(byte);
    }
    // 0x20 bytes before the font and a long tail after it that is never read.
    test::writeFile(folder / "chip.bin", std::string(0x20, '\x55') + image + std::string(0x80000, '\xAA'));
    const HexMemory dump = readDumpFile(folder / "chip.bin", 0x9000 - 0x20);
    ASSERT_EQ(dump.segments.size(), 1u);
    EXPECT_EQ(dump.segments[0].address, 0x9000u);
    EXPECT_EQ(dump.segments[0].end(), 0xE900u);
    EXPECT_EQ(formatFontText(tablesFromHex(dump, FontKind::Hindi)), formatFontText(font));
    EXPECT_EQ(readDumpFile(folder / "chip.bin", 0xE900), HexMemory{});
}

TEST(HexRecover, SaysWhichAddressesWhenTheKindOrTheRegionIsNotWhole) {
    const Lines hindi = hexLines(test::patternTables(false));
    const Lines jukta = hexLines(test::patternTables(true));
    auto without = [](Lines lines, std::vector<std::size_t> records) {
        for (auto r = records.rbegin(); r != records.rend(); ++r) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*r));
        }
        return joined(lines);
    };
    const std::string strayA100 = ":10A10000000000000000000000000000000000004F\n";
    struct Case {
        std::string text;
        std::function<void(const HexMemory&)> read;
        std::string message;
    };
    auto findKind = [](const HexMemory& hex) { kindOfHex(hex); };
    auto asHindi = [](const HexMemory& hex) { tablesFromHex(hex, FontKind::Hindi); };
    auto asJukta = [](const HexMemory& hex) { tablesFromHex(hex, FontKind::Jukta512); };
    const std::vector<Case> cases = {
        {strayA100 + joined(hindi), findKind,
         "HEX holds data for both kinds of font: at 0x9000-0xA0FF (Hindi) and at 0xA100-0xA10F (Jukta512)"},
        {":020010001122BB\n:00000001FF\n", findKind,
         "HEX holds no font: nothing at 0x9000-0xA0FF (Hindi) or at 0xA100-0xE8FF (Jukta512)"},
        {without(hindi, {1, 3}), asHindi,
         "HEX lacks 0x9010-0x901F, 0x9030-0x903F of the Hindi font at 0x9000-0xA0FF"},
        {without(jukta, {0, 2, 4, 6, 1151}), asJukta,
         "HEX lacks 0xA100-0xA10F, 0xA120-0xA12F, 0xA140-0xA14F and 2 more gaps of the Jukta512 font at "
         "0xA100-0xE8FF"},
        {joined(hindi), asJukta, "HEX lacks 0xA100-0xE8FF of the Jukta512 font at 0xA100-0xE8FF"},
    };
    for (const Case& c : cases) {
        const HexMemory hex = readHex(c.text);
        try {
            c.read(hex);
            ADD_FAILURE() << "no error: " << c.message;
        } catch (const HexError& e) {
            EXPECT_EQ(e.what(), c.message);
            EXPECT_EQ(e.line(), 0);
        }
    }
}

}  // namespace
}  // namespace ledfont::hexout
