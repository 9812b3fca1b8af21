#include "CliTestSupport.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <csignal>
#include <stdexcept>

#include "font/FontPath.h"
#include "font/FontText.h"

#ifndef _WIN32
extern char** environ;
#endif

namespace ledfont::test {
#ifdef _WIN32

namespace {

std::wstring wideFromUtf8(const std::string& text) {
    return pathFromUtf8(text).wstring();
}

// One argument quoted as CommandLineToArgvW and the C runtime read it back: backslashes are literal except
// before a quote, where they and the quote are escaped.
void appendQuoted(std::wstring& line, const std::wstring& arg) {
    line += L'"';
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        line.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        line += c;
    }
    line.append(2 * backslashes, L'\\');
    line += L'"';
}

HANDLE openForChild(const std::filesystem::path& path) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot open " + utf8FromPath(path));
    }
    return handle;
}

}  // namespace

RunResult runLedfont(const std::vector<std::string>& args, const std::filesystem::path& stdoutFile) {
    TempFolder capture;
    const std::filesystem::path outPath = stdoutFile.empty() ? capture / "stdout" : stdoutFile;
    const std::filesystem::path errPath = capture / "stderr";
    const std::filesystem::path program = std::filesystem::absolute(LEDFONT_CLI_PATH);
    std::wstring line;
    appendQuoted(line, program.wstring());
    for (const std::string& arg : args) {
        line += L' ';
        appendQuoted(line, wideFromUtf8(arg));
    }
    RunResult result;
    {
        HANDLE out = openForChild(outPath);
        HANDLE err = openForChild(errPath);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = out;
        startup.hStdError = err;
        PROCESS_INFORMATION process{};
        const BOOL started = ::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0,
                                              nullptr, nullptr, &startup, &process);
        ::CloseHandle(out);
        ::CloseHandle(err);
        if (!started) {
            throw std::runtime_error("cannot start " LEDFONT_CLI_PATH);
        }
        ::WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        ::GetExitCodeProcess(process.hProcess, &code);
        ::CloseHandle(process.hProcess);
        ::CloseHandle(process.hThread);
        result.status = static_cast<int>(code);
    }
    result.out = stdoutFile.empty() ? readFile(outPath) : "";
    result.err = readFile(errPath);
    return result;
}

#else

namespace {

// The argument vector of a run of ledfont with `args`: pointers into `store`, which it fills.
std::vector<char*> argvFor(std::vector<std::string>& store, const std::vector<std::string>& args) {
    store = {LEDFONT_CLI_PATH};
    store.insert(store.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : store) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    return argv;
}

}  // namespace

RunResult runLedfont(const std::vector<std::string>& args, const std::filesystem::path& stdoutFile) {
    TempFolder capture;
    const std::filesystem::path outPath = stdoutFile.empty() ? capture / "stdout" : stdoutFile;
    const std::filesystem::path errPath = capture / "stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<std::string> argStore;
    std::vector<char*> argv = argvFor(argStore, args);

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
    std::vector<std::string> argStore;
    std::vector<char*> argv = argvFor(argStore, args);

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

#endif

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
