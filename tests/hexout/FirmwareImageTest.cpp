#include "hexout/FirmwareImage.h"

#include <gtest/gtest.h>

#include <string_view>

#include "support/ErrorOf.h"

#include "HexTestSupport.h"
#include "font/Error.h"
#include "font/FontPath.h"
#include "hexout/Crc32.h"
#include "hexout/FirmwareFile.h"

namespace ledfont::hexout {
namespace {

namespace fs = std::filesystem;

std::uint32_t crcOf(std::string_view text) {
    return crc32(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

TEST(Crc32, GivesTheIeeeCheckValues) {
    const std::pair<std::string_view, std::uint32_t> cases[] = {
        {"", 0x00000000},
        {"a", 0xE8B7BE43},
        {"123456789", 0xCBF43926},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339},
        {std::string_view("\0\0\0\0", 4), 0x2144DF1C},
    };
    for (auto [text, crc] : cases) {
        EXPECT_EQ(crcOf(text), crc) << text;
    }
}

// Eight bytes are folded in at a time: every length and alignment must give what the bit-by-bit
// definition gives.
TEST(Crc32, AgreesWithTheBitwiseDefinitionAtEveryLength) {
    std::vector<std::uint8_t> bytes(67);
    std::uint32_t seed = 7;
    for (std::uint8_t& b : bytes) {
        seed = seed * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(seed >> 16);
    }
    for (std::size_t start = 0; start < 8; ++start) {
        for (std::size_t size = 0; start + size <= bytes.size(); ++size) {
            std::uint32_t crc = 0xFFFFFFFFu;
            for (std::size_t i = start; i < start + size; ++i) {
                crc ^= bytes[i];
                for (int bit = 0; bit < 8; ++bit) {
                    crc = (crc >> 1) ^ ((crc & 1) != 0 ? 0xEDB88320u : 0);
                }
            }
            ASSERT_EQ(crc32(std::span(bytes).subspan(start, size)), ~crc) << start << " " << size;
        }
    }
}

// Both kinds: one run from the first address that holds, byte by byte, what the HEX file sets.
TEST(FirmwareImage, HoldsTheBytesOfTheHexFileAtTheirAddresses) {
    for (bool jukta : {false, true}) {
        const FontTables tables = test::randomTables(jukta ? 11 : 12, jukta);
        const FirmwareImage image = firmwareImage(tables);
        const auto expected = test::expectedMemory(tables);
        EXPECT_EQ(image.kind, jukta ? FontKind::Jukta512 : FontKind::Hindi);
        EXPECT_EQ(image.address, jukta ? 0xA100u : 0x9000u);
        EXPECT_EQ(image.last(), jukta ? 0xE8FFu : 0xA0FFu);
        ASSERT_EQ(image.bytes.size(), expected.size());
        std::size_t at = 0;
        for (auto [address, byte] : expected) {
            ASSERT_EQ(static_cast<std::uint32_t>(address), image.address + at);
            ASSERT_EQ(image.bytes[at++], byte) << std::hex << address;
        }
        EXPECT_EQ(image.crc, crc32(image.bytes));
    }
}

TEST(FirmwareImage, SummaryGivesSizeRangeAndCrc) {
    FontTables tables;
    // 4352 zero bytes, as zlib.crc32(bytes(4352)) gives.
    EXPECT_EQ(imageSummary(firmwareImage(tables)), "image: 4352 bytes at 0x9000-0xA0FF, CRC-32 0xB83E577F");
    FirmwareImage image;
    image.address = 0xA100;
    image.bytes = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    image.crc = crc32(image.bytes);
    EXPECT_EQ(imageSummary(image), "image: 9 bytes at 0xA100-0xA108, CRC-32 0xCBF43926");
}

// Reads S-records without the writer's code: every line's count and checksum, the S3 addresses and bytes,
// and the count and end records.
TEST(SrecText, RecordsCarryTheImageWithValidChecksums) {
    for (bool jukta : {false, true}) {
        const FontTables tables = test::randomTables(jukta ? 21 : 22, jukta);
        const FirmwareImage image = firmwareImage(tables);
        const std::vector<std::string> lines = test::crLfLines(buildSrecText(image, 4));
        ASSERT_EQ(lines.size(), image.bytes.size() / 16 + 3);
        EXPECT_EQ(lines.front(), "S00A00006C6564666F6E7409");  // "ledfont"
        EXPECT_EQ(lines.back(), "S70500000000FA");
        EXPECT_EQ(lines[lines.size() - 2], jukta ? "S503048078" : "S5030110EB");
        std::map<int, std::uint8_t> memory;
        for (const std::string& line : lines) {
            ASSERT_EQ(line.size() % 2, 0u) << line;
            std::vector<int> bytes;
            for (std::size_t i = 2; i < line.size(); i += 2) {
                bytes.push_back(std::stoi(line.substr(i, 2), nullptr, 16));
            }
            ASSERT_EQ(static_cast<std::size_t>(bytes[0]), bytes.size() - 1) << line;
            int sum = 0;
            for (int b : bytes) {
                sum += b;
            }
            EXPECT_EQ(sum % 256, 0xFF) << line;
            if (line.starts_with("S3")) {
                ASSERT_EQ(bytes[0], 21) << line;
                const int address = (bytes[1] << 24) | (bytes[2] << 16) | (bytes[3] << 8) | bytes[4];
                for (int i = 0; i < 16; ++i) {
                    memory[address + i] = static_cast<std::uint8_t>(bytes[5 + static_cast<std::size_t>(i)]);
                }
            }
        }
        EXPECT_EQ(memory, test::expectedMemory(tables));
        // The shortest field is the default (srec_cat reads it back in the export tests), S2 when asked.
        EXPECT_EQ(shortestSrecAddressBytes(image), 2);
        for (auto [asked, first, end] : {std::tuple(0, "S113", "S9030000FC"), {3, "S214", "S804000000FB"}}) {
            const std::vector<std::string> records = test::crLfLines(buildSrecText(image, asked));
            EXPECT_EQ(records[1].substr(0, 4) + " " + records.back(), std::string(first) + " " + end);
        }
    }
}

TEST(CName, IdentifiersAndNamesMadeFromFontFiles) {
    const std::pair<const char*, bool> identifiers[] = {
        {"font", true}, {"a_", true},   {"Jukta512", true},  {"a_b_9", true}, {"", false},   {"9a", false},
        {"a-b", false}, {"a b", false}, {"\xC3\xA9", false}, {"_x", false},   {"_X", false}, {"__x", false},
    };
    for (auto [name, valid] : identifiers) {
        EXPECT_EQ(isCIdentifier(name), valid) << name;
    }
    const std::pair<const char*, const char*> names[] = {
        {"hindi.txt", "hindi"},
        {"/fonts/jukta512.txt", "jukta512"},
#ifdef _WIN32
        {"C:\\fonts\\my-font.v2.txt", "my_font_v2"},
#else
        {"back\\slash.txt", "back_slash"},
#endif
        {"sign font", "sign_font"},
        {"2024.txt", "font"},
        {"_x.txt", "font"},
        {".profile", "font"},
        {"\xE0\xA4\x95.txt", "font"},
    };
    for (auto [file, name] : names) {
        EXPECT_EQ(cNameForFont(file), name) << file;
    }
}

// The lines a reader of the C output depends on; the compiled bytes are checked against the HEX file by
// the export command's tests.
TEST(CSource, DeclaresDefinesAndCommentsEveryGlyph) {
    FontTables tables = test::patternTables(true);
    tables.FontData.set(5, 0, 0);     // a stored width 0 is read as 16
    tables.FontData.set(5, 1, 0x24);  // Ikaar, centre 4
    const FirmwareImage image = firmwareImage(tables);
    const std::string header = buildCHeader(image, "sign");
    for (const char* line :
         {"#define SIGN_GLYPH_COUNT 512\n", "#define SIGN_GLYPH_BYTES 34\n",
          "#define SIGN_GLYPHS_ADDRESS UINT32_C(0xA100)\n", "#define SIGN_GLYPHS_SIZE 17408\n",
          "#define SIGN_PAIRS_ADDRESS UINT32_C(0xE500)\n", "#define SIGN_PAIRS_SIZE 1024\n",
          "#define SIGN_IMAGE_ADDRESS UINT32_C(0xA100)\n", "#define SIGN_IMAGE_SIZE 18432\n",
          "#ifndef SIGN_STORAGE\n#define SIGN_STORAGE\n#endif\n",
          "extern const uint8_t SIGN_STORAGE sign_glyphs[SIGN_GLYPHS_SIZE];\n",
          "extern const uint8_t SIGN_STORAGE sign_pairs[SIGN_PAIRS_SIZE];\n", "#ifndef LEDFONT_SIGN_H\n"}) {
        EXPECT_NE(header.find(line), std::string::npos) << line;
    }
    char crc[64];
    std::snprintf(crc, sizeof crc, "#define SIGN_IMAGE_CRC32 UINT32_C(0x%08X)\n", image.crc);
    EXPECT_NE(header.find(crc), std::string::npos) << header;

    const std::string source = buildCSource(image, "sign", "out.h");
    EXPECT_NE(source.find("#include \"out.h\"\n"), std::string::npos);
    EXPECT_NE(source.find("SIGN_STORAGE sign_pairs[SIGN_PAIRS_SIZE] = {\n    0x03, 0x08, /* glyph 0 */\n"),
              std::string::npos);
    EXPECT_NE(source.find(", /* glyph 5  Code: 005  width 16  Ikaar */\n"), std::string::npos);
    EXPECT_NE(source.find(", /* glyph 511  Code: 1FF  width "), std::string::npos);

    tables.JuktaMode = false;
    const std::string hindi = buildCSource(firmwareImage(tables), "h", "h.h");
    EXPECT_NE(hindi.find("/* glyph 127  Code: 097F  width "), std::string::npos);
    EXPECT_EQ(hindi.find("_pairs"), std::string::npos);
    EXPECT_EQ(buildCHeader(firmwareImage(tables), "h").find("PAIRS"), std::string::npos);
    EXPECT_THROW(buildCHeader(image, "1x"), std::invalid_argument);
}

TEST(FirmwareFileNames, FormatsAndNamesFromExtensions) {
    const std::pair<const char*, std::optional<FirmwareFormat>> formats[] = {
        {"a.c", FirmwareFormat::C},
        {"a.H", FirmwareFormat::C},
        {"a.bin", FirmwareFormat::Binary},
        {"a.srec", FirmwareFormat::Srec},
        {"a.S19", FirmwareFormat::Srec},
        {"a.s28", FirmwareFormat::Srec},
        {"a.s37", FirmwareFormat::Srec},
        {"x/a.mot", FirmwareFormat::Srec},
        {"a.hex", std::nullopt},
        {"a", std::nullopt},
        {".bin", std::nullopt},
        {"a.bin/b", std::nullopt},
    };
    for (auto [name, format] : formats) {
        EXPECT_EQ(formatOfFileName(name), format) << name;
    }
    EXPECT_EQ(firmwareFileName("/f/hindi.txt", FirmwareFormat::C), "/f/hindi.c");
    EXPECT_EQ(firmwareFileName("hindi.txt", FirmwareFormat::Binary), "hindi.bin");
    EXPECT_EQ(firmwareFileName("hindi", FirmwareFormat::Srec), "hindi.srec");
    const std::pair<const char*, std::pair<std::string, std::string>> pairs[] = {
        {"out", {"out.c", "out.h"}},       {"out.c", {"out.c", "out.h"}},     {"out.h", {"out.c", "out.h"}},
        {"o.inc", {"o.inc.c", "o.inc.h"}}, {"d.c/x", {"d.c/x.c", "d.c/x.h"}}, {".c", {".c.c", ".c.h"}},
        {"FONT.H", {"FONT.c", "FONT.H"}},  {"a.C", {"a.C", "a.h"}},
    };
    for (auto [output, files] : pairs) {
        EXPECT_EQ(cFileNames(output), files) << output;
    }
    for (auto [name, bytes] :
         {std::pair("a.srec", 0), {"a.s19", 2}, {"a.S28", 3}, {"x/a.s37", 4}, {"a.s37/b", 0}}) {
        EXPECT_EQ(srecAddressBytesOfFileName(name), bytes) << name;
    }
}

// A header that cannot be written takes the source written just before back to what it was, or away.
TEST(FirmwareFiles, AFailedHeaderLeavesNoMismatchedPair) {
    test::TempFolder folder;
    FontTables tables = test::patternTables(false);
    fs::create_directory(folder.path() / "old.h");
    fs::create_directory(folder.path() / "new.h");
    test::writeFile(folder / "old.c", "keep me");
    for (const char* output : {"old", "new"}) {
        const auto before = folder.snapshot();
        const Error e =
            test::errorOf([&] { writeFirmwareFiles(tables, FirmwareFormat::C, folder / output, "f"); });
        EXPECT_EQ(e.code(), ErrorCode::PathFileAccessError) << e.what();
        EXPECT_EQ(folder.snapshot(), before) << output;
        EXPECT_EQ(folder.names(), (std::set<std::string>{"old.c", "old.h", "new.h"}));
    }
}

TEST(FirmwareFiles, RefusesTheFontFileAndHeaderNamesAnIncludeCannotHold) {
    test::TempFolder folder;
    FontTables tables = test::patternTables(false);
    tables.FontFile = folder / "font.h";
    test::writeFile(folder / "font.h", "font");
    const auto before = folder.snapshot();
    const std::pair<FirmwareFormat, std::string> refused[] = {
        {FirmwareFormat::C, folder / "font"},
        {FirmwareFormat::C, folder / "font.c"},
        {FirmwareFormat::Binary, folder / "font.h"},
        {FirmwareFormat::Srec, folder / "font.h"},
    };
    for (const auto& [format, output] : refused) {
        // Captured by name: clang before 16 cannot capture a structured binding.
        EXPECT_EQ(test::errorOf([&, format = format, output = output] {
                      writeFirmwareFiles(tables, format, output, "f");
                  }).code(),
                  ErrorCode::FileAlreadyExists)
            << output;
    }
    // A backslash is part of a POSIX file name, and no #include can hold it.
    for (const char* name : {"a\"b", "it's", "a\nb", kPathSeparator == '/' ? "back\\slash" : "a'"}) {
        EXPECT_EQ(
            test::errorOf([&] { writeFirmwareFiles(tables, FirmwareFormat::C, folder / name, "f"); }).code(),
            ErrorCode::BadFileNameOrNumber)
            << name;
    }
    EXPECT_EQ(folder.snapshot(), before);
}

}  // namespace
}  // namespace ledfont::hexout
