#!/usr/bin/env bash
# Installs the dependencies, builds and starts Brelvanostik in the current directory (the
# command-line tool's usage text when the window is not built).
set -euo pipefail
hier="$(cd "$(dirname "$0")/.." && pwd)"
bash "$hier/tools/install-deps.sh"
cmake -S "$hier" -B "$hier/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$hier/build"
if [ -x "$hier/build/src/ui/brelvanostik" ]; then
  exec "$hier/build/src/ui/brelvanostik" "$@"
fi
exec "$hier/build/src/cli/brelvanostik-cli" --help
