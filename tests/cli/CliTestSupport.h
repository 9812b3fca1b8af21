#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "font/FontTables.h"

namespace ledfont::cli::test {

struct RunResult {
    int status = -1;  // the exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs the built ledfont with `args` and collects its exit status, stdout and stderr.
RunResult runLedfont(const std::vector<std::string>& args);

// Tables whose glyph byte b of glyph g is (34 g + b) * 7 + 1 mod 256 and pair byte k of glyph g is
// (2 g + k) * 5 + 3 mod 256, on all 601 rows, so that a shifted byte or a row the kind does not cover shows.
FontTables patternTables(bool juktaMode);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, std::string_view text);

// The font text of `kind` with value number `index` replaced by `text` (its line is index + 1).
std::string fontTextWith(FontKind kind, int index, std::string_view text);

// A fresh empty folder for one test, removed with its content at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string operator/(std::string_view name) const { return (path_ / name).string(); }
    // Every file in the folder with its content, sorted by name: a snapshot to compare before and after.
    std::vector<std::pair<std::string, std::string>> snapshot() const;

  private:
    std::filesystem::path path_;
};

}  // namespace ledfont::cli::test
