#!/usr/bin/env bash
# Installs what building, running and testing Brelvanostik needs on Debian 12 (run as root).
set -euo pipefail
pakete=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
        qt6-base-dev qt6-translations-l10n libgl-dev xvfb xauth
        poppler-utils fonts-liberation desktop-file-utils)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi
