#!/usr/bin/env bash
# Builds Quorvix for 64-bit Windows on Debian 12 (as root) and packs it:
#   dist/Quorvix-<version>-win64.zip   the program folder, to unpack and start
#   dist/Quorvix-<version>-setup.exe   the setup program (NSIS)
# Installs what is missing first. Qt for Windows is built once into the cache
# (scripts/windows-common.sh says where) and reused by every later run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-common.sh

ensure_windows_packages
qt=$(ensure_qt_windows)

echo "Baue Quorvix für Windows (Release, Ordner build-windows/) …"
cmake -S . -B build-windows -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$QUORVIX_TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$qt" \
    -DQUORVIX_BUILD_TESTS=OFF >/dev/null
cmake --build build-windows --target quorvix

# The one version of the project, from project(... VERSION ...).
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
name=Quorvix-$version
stage=build-windows/package/$name

echo "Stelle den Programmordner zusammen (build-windows/package/$name) …"
rm -rf build-windows/package
cmake --install build-windows --prefix "$stage" >/dev/null
find "$stage" -name '*.dll' -o -name '*.exe' | while read -r binary; do
    x86_64-w64-mingw32-strip --strip-unneeded "$binary"
done
echo "Programmordner: $(du -sh "$stage" | cut -f1), $(find "$stage" -type f | wc -l) Dateien"

mkdir -p dist
zip_file=dist/$name-win64.zip
setup_file=dist/$name-setup.exe
echo "Packe $zip_file …"
rm -f "$zip_file"
(cd build-windows/package && zip -q -r -9 "../../$zip_file" "$name")

echo "Baue das Setup $setup_file (NSIS) …"
# The uninstaller removes exactly these files and folders, deepest first.
file_list=build-windows/package/uninstall-files.nsh
{
    (cd "$stage" && find . -type f | sort) | sed -e 's|^\./||' -e 's|/|\\|g' \
        -e 's|.*|  Delete "$INSTDIR\\&"|'
    (cd "$stage" && find . -mindepth 1 -type d | sort -r) | sed -e 's|^\./||' -e 's|/|\\|g' \
        -e 's|.*|  RMDir "$INSTDIR\\&"|'
} > "$file_list"
size_kb=$(du -sk "$stage" | cut -f1)
# Windows wants four numbers in a file version: 0.3 becomes 0.3.0.0.
file_version=$(echo "$version.0.0.0" | cut -d. -f1-4)
rm -f "$setup_file"
makensis -V2 -NOCD \
    -DVERSION="$version" -DPROGRAM_DIR="$PWD/$stage" -DFILE_LIST="$PWD/$file_list" \
    -DSIZE_KB="$size_kb" -DFILE_VERSION="$file_version" -DOUTFILE="$PWD/$setup_file" \
    packaging/windows/quorvix.nsi

# Downloads stay small: more than 15 MB means something came along that
# does not belong in the program folder.
limit=$((15 * 1024 * 1024))
for package in "$zip_file" "$setup_file"; do
    size=$(stat -c %s "$package")
    if [ "$size" -gt "$limit" ]; then
        echo "$package ist $((size / 1024)) KB groß, erlaubt sind höchstens 15 MB." >&2
        exit 1
    fi
    echo "Fertig: $package ($((size / 1024)) KB)"
done
