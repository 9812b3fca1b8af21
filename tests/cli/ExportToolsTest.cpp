// The export's outputs read back by the tools firmware builds use: a C compiler, srec_cat, objcopy and
// Python's zlib, each compared with the HEX file of the same font.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "CliTestSupport.h"
#include "hexout/HexReader.h"

namespace ledfont::test {
namespace {

namespace fs = std::filesystem;

struct Sample {
    const char* file;
    const char* base;
    int glyphs;
};
const Sample kSamples[] = {{"hindi.txt", "0x9000", 128}, {"jukta512.txt", "0xA100", 512}};

[[maybe_unused]] std::string shellQuoted(const fs::path& path) {
    std::string text = "'";
    text += path.string();
    text += '\'';
    return text;
}

// Runs `command` in the shell with stderr to `errors`; its exit status, -1 when it did not exit.
[[maybe_unused]] int shell(const std::string& command, const fs::path& errors) {
#ifdef _WIN32
    (void)command;
    (void)errors;
    return -1;
#else
    const std::string line = command + " 2>" + shellQuoted(errors);
    const int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

[[maybe_unused]] bool installed(const char* program) {
#ifdef _WIN32
    (void)program;
    return false;
#else
    return std::system(("command -v " + std::string(program) + " >/dev/null").c_str()) == 0;
#endif
}

std::string sample(const Sample& s) {
    return std::string(LEDFONT_SAMPLES_DIR) + "/" + s.file;
}

// What `ledfont hex` writes for the sample, as memory.
hexout::HexMemory hexOf(const TempFolder& folder, const Sample& s) {
    RunResult run = runLedfont({"hex", sample(s), "-o", folder / "font.hex"});
    EXPECT_EQ(run.status, 0) << run.err;
    return hexout::readHexFile(folder / "font.hex");
}

// Exports the sample and returns the CRC-32 the command prints, as eight hexadecimal digits.
std::string exportSample(const Sample& s, const std::vector<std::string>& args) {
    std::vector<std::string> all = {"export", sample(s)};
    all.insert(all.end(), args.begin(), args.end());
    RunResult run = runLedfont(all);
    EXPECT_EQ(run.status, 0) << run.err;
    const std::size_t at = run.out.find("CRC-32 0x");
    EXPECT_NE(at, std::string::npos) << run.out;
    return at == std::string::npos ? "" : run.out.substr(at + 9, 8);
}

#ifdef _WIN32
#define SKIP_ON_WINDOWS() GTEST_SKIP() << "the firmware tools are Linux programs here"
#else
#define SKIP_ON_WINDOWS() (void)0
#endif

// Compiled as the firmware would be and linked into a program that writes the arrays out.
TEST(ExportTools, TheCOutputCompilesStrictlyAndHoldsTheHexBytes) {
    SKIP_ON_WINDOWS();
    const std::string cc = LEDFONT_TEST_CC;
    if (cc.empty()) {
        GTEST_SKIP() << "no C compiler found";
    }
    for (const Sample& s : kSamples) {
        TempFolder folder;
        const hexout::HexMemory hex = hexOf(folder, s);
        const std::string crc = exportSample(s, {"--format", "c", "--name", "font", "-o", folder / "font"});
        const fs::path program = folder.path() / "dump";
        const std::string compile = shellQuoted(cc) + " -std=c99 -Wall -Wextra -pedantic -Werror -I" +
                                    shellQuoted(folder.path()) + " -o " + shellQuoted(program) + " " +
                                    shellQuoted(folder / "font.c") + " " +
                                    shellQuoted(LEDFONT_TEST_DATA "/cli/font_dump.c");
        ASSERT_EQ(shell(compile, folder / "cc.txt"), 0) << readFile(folder / "cc.txt");
        EXPECT_EQ(readFile(folder / "cc.txt"), "") << s.file;
        ASSERT_EQ(shell(shellQuoted(program) + " " + shellQuoted(folder / "arrays.bin") + " >" +
                            shellQuoted(folder / "defines.txt"),
                        folder / "run.txt"),
                  0);

        // The arrays at the addresses their #defines give, against the HEX file's memory.
        const std::string arrays = readFile(folder / "arrays.bin");
        std::istringstream defines(readFile(folder / "defines.txt"));
        hexout::HexMemory compiled;
        std::size_t offset = 0;
        std::string what;
        while (defines >> what && what != "image") {
            std::string address;
            std::size_t size = 0;
            defines >> address >> size;
            ASSERT_LE(offset + size, arrays.size());
            compiled.append(static_cast<std::uint32_t>(std::stoul(address, nullptr, 16)),
                            reinterpret_cast<const std::uint8_t*>(arrays.data() + offset), size);
            offset += size;
        }
        EXPECT_EQ(offset, arrays.size());
        EXPECT_EQ(compiled, hex) << s.file;
        std::string address, size, imageCrc, count, glyphs, bytes;
        defines >> address >> size >> imageCrc >> count >> glyphs >> bytes;
        EXPECT_EQ(address + " " + size + " " + imageCrc,
                  std::string(s.base + 2) + " " + std::to_string(arrays.size()) + " " + crc);
        EXPECT_EQ(glyphs + " " + bytes, std::to_string(s.glyphs) + " 34");
    }
}

// A source beside another export's header does not compile; NAME_STORAGE places the arrays.
TEST(ExportTools, AMismatchedPairFailsAndTheStorageMacroPlacesTheArrays) {
    SKIP_ON_WINDOWS();
    const std::string cc = LEDFONT_TEST_CC;
    if (cc.empty() || !installed("objdump")) {
        GTEST_SKIP() << "no C compiler or no objdump found";
    }
    TempFolder folder;
    const auto compile = [&](const std::string& define) {
        return shell("{ " + shellQuoted(cc) + " -std=c99 -Werror -c " + define + " -o " +
                         shellQuoted(folder / "f.o") + " " + shellQuoted(folder / "font.c") +
                         " && objdump -t " + shellQuoted(folder / "f.o") + " | grep ' font_glyphs$' >" +
                         shellQuoted(folder / "sym.txt") + "; }",
                     folder / "cc.txt");
    };
    exportSample(kSamples[0], {"--format", "c", "--name", "font", "-o", folder / "font"});
    const std::string hindiHeader = readFile(folder / "font.h");
    exportSample(kSamples[1], {"--format", "c", "--name", "font", "-o", folder / "font"});
    for (const auto& [define, section] :
         {std::pair<std::string, std::string>{"", " .rodata\t"},
          {"'-DFONT_STORAGE=__attribute__((section(\".font\")))'", " .font\t"}}) {
        ASSERT_EQ(compile(define), 0) << readFile(folder / "cc.txt");
        EXPECT_NE(readFile(folder / "sym.txt").find(section), std::string::npos)
            << readFile(folder / "sym.txt");
    }
    writeFile(folder / "font.h", hindiHeader);
    EXPECT_NE(compile(""), 0);
    EXPECT_NE(readFile(folder / "cc.txt").find("font.h is not the header exported with this source"),
              std::string::npos);
}

// srec_cat's own S-record reader, writing Intel HEX as our writer does, gives our HEX file byte for byte.
TEST(ExportTools, SrecCatTurnsTheSrecordsIntoTheHexFile) {
    SKIP_ON_WINDOWS();
    if (!installed("srec_cat")) {
        GTEST_SKIP() << "srec_cat (Debian package srecord) is not installed";
    }
    for (const Sample& s : kSamples) {
        TempFolder folder;
        hexOf(folder, s);
        exportSample(s, {"--format", "srec", "-o", folder / "font.srec"});
        const std::string command = "srec_cat " + shellQuoted(folder / "font.srec") + " -o " +
                                    shellQuoted(folder / "srec.hex") +
                                    " -intel -Output_Block_Size 16 -address-length=2 -crlf";
        ASSERT_EQ(shell(command, folder / "err.txt"), 0) << readFile(folder / "err.txt");
        EXPECT_EQ(readFile(folder / "err.txt"), "");
        EXPECT_EQ(readFile(folder / "srec.hex"), readFile(folder / "font.hex")) << s.file;
    }
}

// objcopy, told where the binary's first byte lies, writes Intel HEX that sets the HEX file's bytes.
TEST(ExportTools, ObjcopyPutsTheBinaryAtItsBaseAsTheHexBytes) {
    SKIP_ON_WINDOWS();
    if (!installed("objcopy")) {
        GTEST_SKIP() << "objcopy (Debian package binutils) is not installed";
    }
    for (const Sample& s : kSamples) {
        TempFolder folder;
        const hexout::HexMemory hex = hexOf(folder, s);
        exportSample(s, {"--format", "bin", "-o", folder / "font.bin"});
        const std::string command = "objcopy -I binary -O ihex --change-addresses " + std::string(s.base) +
                                    " " + shellQuoted(folder / "font.bin") + " " +
                                    shellQuoted(folder / "objcopy.hex");
        ASSERT_EQ(shell(command, folder / "err.txt"), 0) << readFile(folder / "err.txt");
        EXPECT_EQ(hexout::readHexFile(folder / "objcopy.hex"), hex) << s.file;
    }
}

// The CRC-32 printed, and the one firmware would compute with zlib over the binary, agree.
TEST(ExportTools, PythonZlibGivesTheCrcPrinted) {
    SKIP_ON_WINDOWS();
    if (!installed("python3")) {
        GTEST_SKIP() << "python3 is not installed";
    }
    for (const Sample& s : kSamples) {
        TempFolder folder;
        const std::string crc = exportSample(s, {"--format", "bin", "-o", folder / "font.bin"});
        const std::string command =
            "python3 -c 'import sys, zlib; print(\"%08X\" % zlib.crc32(open(sys.argv[1], "
            "\"rb\").read()))' " +
            shellQuoted(folder / "font.bin") + " >" + shellQuoted(folder / "crc.txt");
        ASSERT_EQ(shell(command, folder / "err.txt"), 0) << readFile(folder / "err.txt");
        EXPECT_EQ(readFile(folder / "crc.txt"), crc + "\n") << s.file;
        RunResult check = runLedfont({"check", sample(s)});
        EXPECT_NE(check.out.find(", CRC-32 0x" + crc + "\n"), std::string::npos) << check.out;
    }
}

}  // namespace
}  // namespace ledfont::test
