#include "CliTestSupport.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "font/FontText.h"

extern char** environ;

namespace ledfont::cli::test {

namespace fs = std::filesystem;

RunResult runLedfont(const std::vector<std::string>& args) {
    TempFolder capture;
    const std::string outPath = capture / "stdout";
    const std::string errPath = capture / "stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<std::string> argStore = {LEDFONT_CLI_PATH};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argStore) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    pid_t pid = 0;
    int spawned = posix_spawn(&pid, LEDFONT_CLI_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " LEDFONT_CLI_PATH);
    }
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    RunResult result;
    result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    result.out = readFile(outPath);
    result.err = readFile(errPath);
    return result;
}

FontTables patternTables(bool juktaMode) {
    FontTables tables;
    for (int g = 0; g <= FontDataTable::kRowUpper; ++g) {
        for (int b = 0; b < kRecordBytes; ++b) {
            tables.FontData.set(g, b, ((34 * g + b) * 7 + 1) % 256);
        }
        for (int k = 0; k < kPairBytes; ++k) {
            tables.JuktaData.set(g, k, ((2 * g + k) * 5 + 3) % 256);
        }
    }
    tables.JuktaMode = juktaMode;
    return tables;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, std::string_view text) {
    std::ofstream out(path, std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::string fontTextWith(FontKind kind, int index, std::string_view text) {
    std::string font = formatFontText(patternTables(kind == FontKind::Jukta512));
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = font.find("\r\n", start) + 2;
    }
    return font.replace(start, font.find("\r\n", start) - start, text);
}

TempFolder::TempFolder() {
    std::string pattern = (fs::path(testing::TempDir()) / "ledfont_cli_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temp folder from " + pattern);
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::vector<std::pair<std::string, std::string>> TempFolder::snapshot() const {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::recursive_directory_iterator(path_)) {
        if (entry.is_regular_file()) {
            files.emplace_back(fs::relative(entry.path(), path_).string(), readFile(entry.path()));
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace ledfont::cli::test
