#!/usr/bin/env bash
# Installs what is missing, builds Quorvix and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/packages.sh
ensure_packages g++ cmake ninja-build libgtest-dev libbenchmark-dev \
                qt6-base-dev qt6-translations-l10n libgl-dev

# RelWithDebInfo in build/, the same build as scripts/test.sh and the README's
# install section, so neither rebuilds what the other has built.
echo "Baue Quorvix (RelWithDebInfo, Ordner build/) …"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target quorvix

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Quorvix ist gebaut (build/src/quorvix), braucht zum Bedienen aber eine" >&2
    echo "grafische Oberfläche: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt." >&2
    echo "Starte dieses Skript in einer Desktop-Sitzung (oder per ssh -X) noch einmal." >&2
    echo "Nur prüfen, ob es startet (ohne Bildschirm, es wartet unsichtbar auf OK):" >&2
    echo "  apt-get install xvfb xauth" >&2
    echo "  timeout 10 xvfb-run -a build/src/quorvix; echo \$?   # 124: lief bis zum Ende der Frist" >&2
    exit 1
fi
echo "Starte Quorvix …"
exec build/src/quorvix "$@"
