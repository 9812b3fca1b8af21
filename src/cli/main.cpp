#include <iostream>
#include <string>
#include <vector>

#include "cli/Run.h"
#include "fileio/AtomicFile.h"

#ifdef _WIN32
#ifndef NOMINMAX  // libstdc++ defines it already
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

namespace {

std::string utf8FromWide(const wchar_t* text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.pop_back();  // the terminating NUL
    return utf8;
}

}  // namespace

// The arguments come as UTF-16, so that any file name reaches the program (the narrow argv holds only what
// the legacy code page can spell); inside they are UTF-8, as everywhere else.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(utf8FromWide(argv[i]));
    }
    // The output is the same bytes as elsewhere: LF line ends, and UTF-8 file names that a console shows
    // as written while the program runs.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    const UINT consolePage = ::GetConsoleOutputCP();
    if (consolePage != 0) {
        ::SetConsoleOutputCP(CP_UTF8);
    }
    const int status = ledfont::cli::runOnStandardOutput(args, std::cerr);
    std::cerr.flush();
    if (consolePage != 0) {
        ::SetConsoleOutputCP(consolePage);
    }
    return status;
}

#else

int main(int argc, char** argv) {
    ledfont::fileio::ignoreFileSizeSignal();
    std::vector<std::string> args(argv + 1, argv + argc);
    return ledfont::cli::runOnStandardOutput(args, std::cerr);
}

#endif
