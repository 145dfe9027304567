#!/usr/bin/env bash
# Installs what is missing, builds Quorvix and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build libgtest-dev libbenchmark-dev
          qt6-base-dev qt6-translations-l10n libgl-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target quorvix

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Quorvix ist ein Fenster-Programm und braucht eine grafische Oberfläche," >&2
    echo "aber weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt." >&2
    echo "Starte es auf einem Desktop, oder z.B. mit: xvfb-run build/src/quorvix" >&2
    exit 1
fi
exec build/src/quorvix "$@"
