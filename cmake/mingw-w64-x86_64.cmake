# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix: the posix thread
# model, which std::thread and std::mutex need). Tests run under wine64 when it is installed.
#   cmake -B build-windows -G Ninja --toolchain cmake/mingw-w64-x86_64.cmake -DLEDFONT_BUILD_EDITOR=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Fully static: otherwise every program needs libstdc++-6.dll, libgcc_s_seh-1.dll and libwinpthread-1.dll
# beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

find_program(LEDFONT_WINE NAMES wine64 wine)
if(LEDFONT_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${LEDFONT_WINE})
endif()
