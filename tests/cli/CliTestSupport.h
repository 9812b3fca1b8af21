#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "font/FontTables.h"
#include "support/PatternTables.h"
#include "support/TestFiles.h"

namespace ledfont::test {

struct RunResult {
    int status = -1;  // the exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs the built ledfont with `args` and collects its exit status, stdout and stderr; with `stdoutFile`,
// stdout goes to that file (such as /dev/full) instead and `out` stays empty.
RunResult runLedfont(const std::vector<std::string>& args, const std::filesystem::path& stdoutFile = {});
#ifndef _WIN32
// The same with files limited to `fileSizeLimit` bytes (RLIMIT_FSIZE) and SIGXFSZ at its default action,
// which kills a process that does not ignore it.
RunResult runLedfontWithFileSizeLimit(const std::vector<std::string>& args, unsigned long fileSizeLimit);
#endif

struct Expected {
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err;
};
// Runs each case and checks its exit status, stdout and stderr.
void expectRuns(const std::vector<Expected>& cases);

// Runs each failing command: exit status 1, nothing on stdout, the one line `err` on stderr, and nothing in
// `folder` written, replaced or removed.
using Failure = std::pair<std::vector<std::string>, std::string>;
void expectFailures(const TempFolder& folder, const std::vector<Failure>& cases);

// What check says of composing the signs of a font whose glyphs are all 16 columns lit (every value 0): the
// signs, Consonants too, stand after their consonant, and the dots touch the sign before them.
inline constexpr std::string_view kSolidFontComposition =
    "warning: sign standing off its consonant in 188 pairs (◌े 45, ◌ै 45, ◌ं 45, ◌ँ 45, ◌़ 8): के, खे, गे, "
    "घे, ङे, चे, छे, जे, झे, ञे, टे, ठे and 176 more\n"
    "warning: sign colliding with its consonant or the sign above in 630 pairs (◌ें 45, ◌ैं 45, ◌ों 45, "
    "◌ौं 45, ◌िं 45, ◌ीं 45, ◌ॉं 45, ◌ेँ 45, ◌ैँ 45, ◌ोँ 45, ◌ौँ 45, ◌िँ 45, ◌ीँ 45, ◌ॉँ 45): कें, खें, गें, "
    "घें, ङें, चें, छें, जें, झें, ञें, टें, ठें and 618 more\n";

// The font text of `kind` with value number `index` replaced by `text` (its line is index + 1).
std::string fontTextWith(FontKind kind, int index, std::string_view text);

}  // namespace ledfont::test
