#include "TestFiles.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "font/FontPath.h"

namespace ledfont::test {

namespace fs = std::filesystem;

TestPath::operator std::string() const {
    return utf8FromPath(*this);
}

TempFolder::TempFolder() {
#ifdef _WIN32
    // No mkdtemp: a random name that create_directory makes only where nothing stands.
    std::mt19937_64 random(std::random_device{}());
    for (int i = 0; i < 100 && path_.empty(); ++i) {
        fs::path candidate =
            fs::temp_directory_path() / ("ledfont-test-" + std::to_string(random() % 1000000000));
        if (fs::create_directory(candidate)) {
            path_ = candidate;
        }
    }
    if (path_.empty()) {
        throw std::runtime_error("cannot make a temporary folder");
    }
#else
    std::string pattern = (fs::temp_directory_path() / "ledfont-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder from " + pattern);
    }
    path_ = pattern;
#endif
}

TempFolder::~TempFolder() {
    std::error_code ec;
#ifdef _WIN32
    // Windows does not remove read-only files.
    for (fs::recursive_directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ec);
    }
#endif
    fs::remove_all(path_, ec);
}

TestPath TempFolder::operator/(std::string_view name) const {
    return path_ / pathFromUtf8(name);
}

std::set<std::string> TempFolder::names() const {
    return namesIn(path_);
}

std::vector<std::pair<std::string, std::string>> TempFolder::snapshot() const {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::recursive_directory_iterator(path_)) {
        if (entry.is_regular_file()) {
            files.emplace_back(utf8FromPath(fs::relative(entry.path(), path_).generic_u8string()),
                               readFile(entry.path()));
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(utf8FromPath(entry.path().filename()));
    }
    return names;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + utf8FromPath(path));
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + utf8FromPath(path));
    }
}

std::vector<std::string> crLfLines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos; text.remove_prefix(end + 2)) {
        lines.emplace_back(text.substr(0, end));
    }
    if (!text.empty()) {
        throw std::runtime_error("text after the last CR LF");
    }
    return lines;
}

}  // namespace ledfont::test
