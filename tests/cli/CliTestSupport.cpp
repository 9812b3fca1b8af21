#include "CliTestSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <stdexcept>

#include "font/FontText.h"

extern char** environ;

namespace ledfont::test {

RunResult runLedfont(const std::vector<std::string>& args, const std::filesystem::path& stdoutFile) {
    TempFolder capture;
    const std::filesystem::path outPath = stdoutFile.empty() ? capture / "stdout" : stdoutFile;
    const std::filesystem::path errPath = capture / "stderr";
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
    result.out = stdoutFile.empty() ? readFile(outPath) : "";
    result.err = readFile(errPath);
    return result;
}

RunResult runLedfontWithFileSizeLimit(const std::vector<std::string>& args, unsigned long fileSizeLimit) {
    TempFolder capture;
    const std::filesystem::path outPath = capture / "stdout";
    const std::filesystem::path errPath = capture / "stderr";
    std::vector<std::string> argStore = {LEDFONT_CLI_PATH};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argStore) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    // posix_spawn cannot set a resource limit, so this forks and sets it in the child.
    pid_t pid = fork();
    if (pid == 0) {
        int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        rlimit limit{fileSizeLimit, fileSizeLimit};
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
            setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            _exit(127);
        }
        signal(SIGXFSZ, SIG_DFL);
        execv(LEDFONT_CLI_PATH, argv.data());
        _exit(127);
    }
    if (pid < 0) {
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

void expectRuns(const std::vector<Expected>& cases) {
    for (const Expected& c : cases) {
        const RunResult run = runLedfont(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[0] << " " << c.args[1];
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
    }
}

void expectFailures(const TempFolder& folder, const std::vector<Failure>& cases) {
    const auto before = folder.snapshot();
    std::vector<Expected> runs;
    for (const auto& [args, err] : cases) {
        runs.push_back({args, 1, "", err + "\n"});
    }
    expectRuns(runs);
    EXPECT_EQ(folder.snapshot(), before);
}

std::string fontTextWith(FontKind kind, int index, std::string_view text) {
    std::string font = formatFontText(patternTables(kind == FontKind::Jukta512));
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = font.find("\r\n", start) + 2;
    }
    return font.replace(start, font.find("\r\n", start) - start, text);
}

}  // namespace ledfont::test
