#!/usr/bin/env bash
# Checks that the C++ sources follow .clang-format; prints the places that do not.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests bench \( -name '*.h' -o -name '*.cpp' \) -print0 |
    xargs -0 clang-format --dry-run --Werror
