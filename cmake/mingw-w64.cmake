# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix):
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVELMORA_UI=OFF
#
# The test programs run under Wine (wine64), so ctest runs them as on Windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(velmora_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${velmora_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${velmora_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${velmora_mingw}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${velmora_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime and winpthreads linked in: each .exe runs without MinGW's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Quiet and unattended: no debug channels, no display, no offer to install Mono or Gecko,
# and a Wine prefix of the build's own instead of the user's ~/.wine.
find_program(VELMORA_WINE NAMES wine64 wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR
    env WINEDEBUG=-all WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDLLOVERRIDES=mscoree,mshtml= DISPLAY=
    ${VELMORA_WINE})
