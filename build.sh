#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian or Ubuntu machine for Velmora, builds it, and starts it or tests it.
#
#   ./build.sh run    install what is missing, build, start the program
#   ./build.sh test   install what is missing, build, run every test suite:
#                     the normal build, the same tests under AddressSanitizer and
#                     UndefinedBehaviorSanitizer, the engine, settings and velmora-convert
#                     tests built for Windows and run under Wine, the engine's tests
#                     built for aarch64 and run under qemu, and a bounded fuzzing run
set -euo pipefail
cd "$(dirname "$0")"

accion=${1:-}
case "$accion" in
run | test) ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

paquetes=(g++ cmake ninja-build pkg-config qt6-base-dev libqscintilla2-qt6-dev libgl-dev)
[ "$accion" = test ] && paquetes+=(libgtest-dev libbenchmark-dev clang
    g++-mingw-w64-x86-64-posix googletest wine wine64 desktop-file-utils appstream groff-base
    g++-aarch64-linux-gnu qemu-user xvfb xauth x11-utils xclip openbox dpkg-dev file lintian)

instala() {
    local faltan=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || faltan+=("$p")
    done
    [ ${#faltan[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${faltan[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${faltan[@]}" >/dev/null
}

instala "${paquetes[@]}"
# The fuzzer runtime has its own package on Debian 12; elsewhere clang carries it.
if [ "$accion" = test ] && apt-cache show libclang-rt-dev >/dev/null 2>&1; then
    instala libclang-rt-dev
fi

compila() { # build-dir, cmake options...
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

if [ "$accion" = run ]; then
    compila build -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF
    exec build/ui/velmora
fi

fuzz() {
    if ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long){return 0;}' |
        clang++ -x c++ -fsanitize=fuzzer - -o /tmp/velmora-fuzz-probe 2>/dev/null; then
        echo "Fuzzing skipped: clang cannot link -fsanitize=fuzzer here."
        return 0
    fi
    CC=clang CXX=clang++ compila build-fuzz -DVELMORA_UI=OFF -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF \
        -DVELMORA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
    local corpus registro
    corpus=$(mktemp -d)
    registro=$(mktemp)
    cp fuzz/corpus/* "$corpus"/
    echo "== Fuzzing the engine against the literal model"
    if ! build-fuzz/fuzz/fuzz_conversion -runs=200000 -max_len=512 -dict=fuzz/conversion.dict "$corpus" >"$registro" 2>&1; then
        tail -n 60 "$registro"
        return 1
    fi
    tail -n 2 "$registro"
    rm -rf "$corpus" "$registro"
}

# Under an emulator a test process now and then dies before it prints a line
# (seen once in Wine, with the test passing alone); there a failed test is run
# again, up to three times in all. Native runs take no second chance.
prueba() { # build-dir log [ctest options...]
    local dir=$1 registro=$2
    shift 2
    ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" "$@" 2>&1 | tee "$registro"
}

# The engine and its tests only, cross-compiled; GoogleTest is built from
# /usr/src/googletest for the target, and the tests run under qemu-aarch64.
aarch64() {
    cmake -S . -B build-aarch64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake \
        -DCMAKE_BUILD_TYPE=Release -DVELMORA_UI=OFF -DVELMORA_BENCH=OFF >/dev/null
    cmake --build build-aarch64 -j "$(nproc)" --target engine_tests
    echo "== Engine tests on aarch64 under qemu"
    prueba build-aarch64 "$registros/aarch64" -L engine --repeat until-pass:3
}

windows() { # log
    compila build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVELMORA_UI=OFF -DVELMORA_BENCH=OFF \
        -DCMAKE_BUILD_TYPE=Release
    echo "== Tests built for Windows, under Wine"
    prueba build-windows "$1" --repeat until-pass:3
}

registros=$(mktemp -d)
fuzz
windows "$registros/windows"
# The instrumented build in the system layout, so its tests also cover the settings file in
# the user's folder and the Debian package; the normal build makes the portable folder.
compila build-asan -DVELMORA_SANITIZE=ON -DVELMORA_TESTS=ON -DVELMORA_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug \
    -DVELMORA_PORTABLE=OFF
echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
prueba build-asan "$registros/asan"
compila build -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=ON -DVELMORA_BENCH=ON
echo "== Tests"
prueba build "$registros/normal"
aarch64
echo "== Summary"
echo "sanitized: $(grep 'tests passed' "$registros/asan")"
echo "aarch64 engine: $(grep 'tests passed' "$registros/aarch64")"
grep 'tests passed' "$registros/normal"
echo "Windows, under Wine: $(grep 'tests passed' "$registros/windows")"
rm -rf "$registros"
