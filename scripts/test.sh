#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/packages.sh
ensure_packages g++ cmake ninja-build libgtest-dev libbenchmark-dev \
                qt6-base-dev qt6-translations-l10n libgl-dev desktop-file-utils

# The same build as scripts/run.sh and the README's install section.
echo "Baue Quorvix und die Tests (RelWithDebInfo, Ordner build/) …"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
echo "Starte die Tests ohne Bildschirm …"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
