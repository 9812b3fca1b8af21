#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "font/FontText.h"
#include "hexout/Crc32.h"
#include "hexout/HexReader.h"

namespace ledfont::test {
namespace {

namespace fs = std::filesystem;

// The bytes of the HEX file the hex command writes for `font`, by address.
std::map<std::uint32_t, std::uint8_t> hexBytesOf(const TempFolder& folder, const std::string& font) {
    RunResult run = runLedfont({"hex", font, "-o", folder / "reference.hex"});
    EXPECT_EQ(run.status, 0) << run.err;
    std::map<std::uint32_t, std::uint8_t> bytes;
    for (const hexout::HexSegment& segment : hexout::readHexFile(folder / "reference.hex").segments) {
        for (std::size_t i = 0; i < segment.bytes.size(); ++i) {
            bytes[segment.address + static_cast<std::uint32_t>(i)] = segment.bytes[i];
        }
    }
    fs::remove(folder / "reference.hex");
    return bytes;
}

std::string imageLine(const std::map<std::uint32_t, std::uint8_t>& hex) {
    std::vector<std::uint8_t> bytes;
    for (auto [address, byte] : hex) {
        bytes.push_back(byte);
    }
    char line[96];
    std::snprintf(line, sizeof line, "image: %zu bytes at 0x%04X-0x%04X, CRC-32 0x%08X\n", bytes.size(),
                  hex.begin()->first, hex.rbegin()->first, hexout::crc32(bytes));
    return line;
}

TEST(LedfontExport, WritesEachFormatNamedAfterTheFontWithItsSizeAndCrc) {
    for (bool jukta : {false, true}) {
        TempFolder folder;
        writeFile(folder / "my-font.txt", formatFontText(patternTables(jukta)));
        const auto hex = hexBytesOf(folder, folder / "my-font.txt");
        const std::string image = imageLine(hex);
        const std::string base = jukta ? "0xA100" : "0x9000";
        const std::string note = "ledfont: " + (folder / "my-font.txt").string() + ": read as " +
                                 (jukta ? "Jukta512 (18432 values; give --kind to choose)\n"
                                        : "Hindi (4352 values; give --kind to choose)\n");
        expectRuns({
            {{"export", folder / "my-font.txt", "--format", "bin"},
             0,
             (folder / "my-font.bin").string() + "\n" + image + "base: " + base +
                 " (the address of the first byte)\n",
             note},
            {{"export", folder / "my-font.txt", "--format=srec"},
             0,
             (folder / "my-font.srec").string() + "\n" + image + "records: S1 (16-bit addresses)\n",
             note},
            {{"export", folder / "my-font.txt", "--format", "c"},
             0,
             (folder / "my-font.c").string() + "\n" + (folder / "my-font.h").string() + "\n" + image,
             note},
        });
        std::string bin;
        for (auto [address, byte] : hex) {
            bin += static_cast<char>(byte);
        }
        EXPECT_EQ(readFile(folder / "my-font.bin"), bin);
        EXPECT_EQ(readFile(folder / "my-font.srec").substr(0, 12), "S00A00006C65");
        EXPECT_NE(readFile(folder / "my-font.c")
                      .find("#include \"my-font.h\"\n\n#if !defined(MY_FONT_IMAGE_CRC32)"),
                  std::string::npos);
        EXPECT_EQ(folder.names(), (std::set<std::string>{"my-font.txt", "my-font.bin", "my-font.srec",
                                                         "my-font.c", "my-font.h"}));
    }
}

TEST(LedfontExport, OutputNamesTheFileOrTheCPairAndNameTheArrays) {
    TempFolder folder;
    fs::create_directory(folder.path() / "out");
    writeFile(folder / "2024.txt", formatFontText(patternTables(true)));
    const std::string font = folder / "2024.txt";
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> files;
        std::string array;  // in the first file
    } cases[] = {
        {{"--format", "c", "-o", folder / "out/a.h"},
         {"out/a.c", "out/a.h"},
         "const uint8_t FONT_STORAGE font_pairs["},
        {{"--format", "c", "-o", folder / "out/b", "--name", "Sign_2"},
         {"out/b.c", "out/b.h"},
         "const uint8_t SIGN_2_STORAGE Sign_2_glyphs[SIGN_2_GLYPHS_SIZE]"},
        {{"--format", "c", "--name=x_", "-o", folder / "out/C.C"},
         {"out/C.C", "out/C.h"},
         "x__pairs[X__PAIRS_SIZE]"},
        {{"--format", "bin", "-o", folder / "out/d.rom", "--kind", "hindi"}, {"out/d.rom"}, ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"export", font};
        args.insert(args.end(), c.args.begin(), c.args.end());
        RunResult run = runLedfont(args);
        EXPECT_EQ(run.status, 0) << run.err;
        std::string out;
        for (const std::string& file : c.files) {
            out += (folder / file).string() + "\n";
            EXPECT_TRUE(fs::is_regular_file(folder / file)) << file;
        }
        EXPECT_TRUE(run.out.starts_with(out)) << run.out;
        EXPECT_NE(readFile(folder / c.files[0]).find(c.array), std::string::npos) << c.files[0];
    }
    // --kind hindi reads the first 4352 values only.
    EXPECT_EQ(fs::file_size(folder / "out/d.rom"), 4352u);
}

TEST(LedfontExport, BadArgumentsAreUsageErrorsAndWriteNothing) {
    TempFolder folder;
    writeFile(folder / "font.txt", formatFontText(patternTables(false)));
    const std::string font = folder / "font.txt";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"export", font}, "export needs --format c, bin or srec"},
        {{"export", font, "--format", "hex"}, "--format takes c, bin or srec, not \"hex\""},
        {{"export", font, "--format", "c", "--format", "c"}, "--format given twice"},
        {{"export", font, "--format", "c", "--name", "1font"},
         "--name takes a C identifier starting with a letter (C reserves a leading '_'), not \"1font\""},
        {{"export", font, "--format", "c", "--name", "my-font"},
         "--name takes a C identifier starting with a letter (C reserves a leading '_'), not \"my-font\""},
        {{"export", font, "--format", "c", "--name", "__x"},
         "--name takes a C identifier starting with a letter (C reserves a leading '_'), not \"__x\""},
        {{"export", font, "--format", "c", "--name", ""},
         "--name takes a C identifier starting with a letter (C reserves a leading '_'), not \"\""},
        {{"export", font, "--format", "bin", "--name", "f"}, "--name goes with --format c"},
        {{"export", font, "--format", "bin", "-o", ""}, "-o needs a file name"},
        {{"export", font, "--format", "bin", "--kind", "big"}, "--kind takes hindi or jukta512, not \"big\""},
        {{"export", "--format", "bin"}, "export takes 1 file, got 0"},
        {{"export", font, font, "--format", "bin"}, "export takes 1 file, got 2"},
        {{"export", font, "--format", "bin", "--base", "0"}, "export does not take \"--base\""},
    };
    const auto before = folder.snapshot();
    for (const auto& [args, message] : cases) {
        RunResult run = runLedfont(args);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("ledfont: " + message + "\nusage:\n")) << run.err;
    }
    EXPECT_EQ(folder.snapshot(), before);
}

TEST(LedfontExport, NeverWritesOverTheFontAndFailsWithOneLine) {
    TempFolder folder;
    fs::create_directory(folder.path() / "sub");
    const std::string text = formatFontText(patternTables(false));
    for (const char* name : {"font.txt", "font.c", "font.h", "font.bin", "font.srec"}) {
        writeFile(folder / name, text);
    }
    const auto replaces = [&](const std::string& target) {
        return "File already exists: " + target + " (the output would replace the font file)";
    };
    expectFailures(folder,
                   {
                       {{"export", folder / "font.txt", "--format", "bin", "-o", folder / "font.txt"},
                        replaces(folder / "font.txt")},
                       {{"export", folder / "font.txt", "--format", "srec", "-o", folder / "sub/../font.txt"},
                        replaces(folder / "sub/../font.txt")},
                       {{"export", folder / "font.c", "--format", "c"}, replaces(folder / "font.c")},
                       {{"export", folder / "font.h", "--format", "c"}, replaces(folder / "font.h")},
                       {{"export", folder / "font.bin", "--format", "bin"}, replaces(folder / "font.bin")},
                       {{"export", folder / "font.srec", "--format", "srec"}, replaces(folder / "font.srec")},
                       {{"export", folder / "none.txt", "--format", "bin", "-o", folder / "x.bin"},
                        "File not found: " + (folder / "none.txt").string()},
                       {{"export", folder / "font.txt", "--format", "srec", "-o", folder / "nodir/x.srec"},
                        "Path not found: " + (folder / "nodir/x.srec").string()},
                       {{"export", folder / "font.txt", "--format", "bin", "-o", folder / "sub"},
                        "Path/File access error: " + (folder / "sub").string() + " (is a folder)"},
                   });
}

}  // namespace
}  // namespace ledfont::test
