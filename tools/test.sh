#!/usr/bin/env bash
# Installs the dependencies, builds everything and runs every test: the normal build, then
# the core and the command-line tool again under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
# The sources follow .clang-format; a file that does not fails the run before anything is built.
bash tools/format-check.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRELVANOSTIK_SANITIZE=ON -DBRELVANOSTIK_GUI=OFF
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 LSAN_OPTIONS=suppressions="$PWD/tools/lsan.supp" \
  ctest --test-dir build-sanitize --output-on-failure --timeout 600
