#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ledfont::test {

// A path that also converts to the UTF-8 std::string the program's interfaces take. std::filesystem::path
// converts to std::string only where its native form is narrow, and then not as UTF-8 on Windows.
class TestPath : public std::filesystem::path {
  public:
    using std::filesystem::path::path;
    TestPath(std::filesystem::path path) : std::filesystem::path(std::move(path)) {}
    operator std::string() const;
};

// A fresh empty folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    TestPath operator/(std::string_view name) const;

    // The names in the folder, to see that nothing was left behind.
    std::set<std::string> names() const;
    // Every file below the folder with its content, sorted by relative path: a snapshot to compare before
    // and after.
    std::vector<std::pair<std::string, std::string>> snapshot() const;

  private:
    std::filesystem::path path_;
};

// The names of the entries in `folder`.
std::set<std::string> namesIn(const std::filesystem::path& folder);

// Throw std::runtime_error when the file cannot be read or written.
std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, std::string_view bytes);

// The lines of `text` without their CR LF; throws std::runtime_error when anything follows the last CR LF.
std::vector<std::string> crLfLines(std::string_view text);

}  // namespace ledfont::test
