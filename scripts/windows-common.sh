# Shared by build-windows.sh and test-windows.sh (sourced, not run): the
# packages for building Windows programs on Debian, and Qt and GoogleTest
# built for Windows once into a cache outside the checkout.
#
# The cache is $QUORVIX_WINDOWS_CACHE, by default /var/cache/quorvix-windows.
# Each build sits in a folder named after its source version and counts only
# once its ".complete" stamp is written, so an interrupted build starts anew
# and a different Qt version from Debian builds beside the old one.

QUORVIX_WINDOWS_CACHE=${QUORVIX_WINDOWS_CACHE:-/var/cache/quorvix-windows}
QUORVIX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$QUORVIX_ROOT/scripts/packages.sh"
QUORVIX_TOOLCHAIN=$QUORVIX_ROOT/cmake/mingw-w64-x86_64.cmake

windows_packages=(g++ cmake ninja-build qt6-base-dev qt6-base-dev-tools
                  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
                  mingw-w64-tools dpkg-dev googletest nsis zip unzip
                  qt6-translations-l10n fonts-dejavu-core
                  wine wine64 xvfb xauth)

# Debian's source packages need a deb-src entry beside the system's own.
ensure_deb_src() {
    if grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return 0
    fi
    local system=/etc/apt/sources.list.d/debian.sources
    if [ ! -f "$system" ]; then
        echo "Keine Paketquelle $system gefunden; bitte einen deb-src-Eintrag für Debian anlegen." >&2
        return 1
    fi
    echo "Lege die Quellpaket-Einträge an (/etc/apt/sources.list.d/quorvix-deb-src.sources) …"
    # The same URIs, suites, components and keys as the system's entries.
    sed -e 's/^Types:.*/Types: deb-src/' -e '/^#/d' "$system" \
        > /etc/apt/sources.list.d/quorvix-deb-src.sources
    apt-get update -qq
}

ensure_windows_packages() {
    ensure_packages "${windows_packages[@]}" "$@"
    ensure_deb_src
}

# The version of Debian's qt6-base source, e.g. 6.4.2+dfsg-10.
qt_source_version() {
    apt-cache showsrc qt6-base 2>/dev/null | sed -n 's/^Version: //p' | sort -V | tail -n 1
}

# Prints the prefix of Qt for Windows, building it first when the cache
# has none for today's source version. Progress goes to stderr.
ensure_qt_windows() {
    local version prefix work
    version=$(qt_source_version)
    if [ -z "$version" ]; then
        echo "apt-cache kennt kein Quellpaket qt6-base." >&2
        return 1
    fi
    prefix=$QUORVIX_WINDOWS_CACHE/qt-$version-mingw64
    if [ -f "$prefix/.complete" ]; then
        echo "Qt $version für Windows aus dem Zwischenspeicher: $prefix" >&2
        echo "$prefix"
        return 0
    fi
    echo "Baue Qt $version für Windows nach $prefix (einmalig, etwa 20 Minuten auf 2 Kernen) …" >&2
    work=$QUORVIX_WINDOWS_CACHE/work-qt-$version
    rm -rf "$work" "$prefix"
    mkdir -p "$work"
    (cd "$work" && apt-get source -qq qt6-base >/dev/null 2>&1) || {
        echo "apt-get source qt6-base ist fehlgeschlagen." >&2; return 1; }
    local src
    src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)

    # Qt 6.4: with Direct2D off and DirectWrite 3 on, qwindows.dll misses
    # QWindowsDirectWriteFontDatabase at link time.
    sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
        "$src/src/plugins/platforms/windows/qwindowsintegration.cpp"
    if [ "$(grep -c 'QT_CONFIG(directwrite3) && QT_CONFIG(direct2d)' \
              "$src/src/plugins/platforms/windows/qwindowsintegration.cpp")" -ne 2 ]; then
        echo "Die Korrektur für qwindowsintegration.cpp passt nicht zu dieser Qt-Version." >&2
        return 1
    fi

    # Qt 6.4: with OpenGL off, Dynamic OpenGL stays on and qwindowswindow.cpp
    # asks the OpenGL context it no longer has whether it is a software one.
    local window=$src/src/plugins/platforms/windows/qwindowswindow.cpp
    local in_function='/^static inline bool isSoftwareGl()$/,/^}$/'
    sed -i "$in_function"'s/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' "$window"
    if [ "$(grep -c 'QT_CONFIG(dynamicgl) && QT_CONFIG(opengl)' "$window")" -ne 1 ]; then
        echo "Die Korrektur für qwindowswindow.cpp passt nicht zu dieser Qt-Version." >&2
        return 1
    fi

    cmake -S "$src" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$QUORVIX_TOOLCHAIN" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_testlib=ON \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF \
        -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF \
        -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF \
        -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_pkg_config=OFF \
        -DFEATURE_tabletevent=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_pcre2=OFF \
        -DFEATURE_jpeg=ON -DFEATURE_gif=ON -DFEATURE_ico=ON \
        >"$work/configure.log" 2>&1 || {
        echo "Qt-Konfiguration fehlgeschlagen, siehe $work/configure.log" >&2; return 1; }
    cmake --build "$work/build" >"$work/build.log" 2>&1 || {
        echo "Qt-Build fehlgeschlagen, siehe $work/build.log" >&2; return 1; }
    cmake --install "$work/build" >"$work/install.log" 2>&1 || {
        echo "Qt-Installation fehlgeschlagen, siehe $work/install.log" >&2; return 1; }
    touch "$prefix/.complete"
    rm -rf "$work"
    echo "Qt für Windows fertig: $prefix" >&2
    echo "$prefix"
}

# Prints the prefix of GoogleTest built for Windows from Debian's
# /usr/src/googletest, building it when missing.
ensure_gtest_windows() {
    local version prefix work
    version=$(dpkg-query -W -f='${Version}' googletest)
    prefix=$QUORVIX_WINDOWS_CACHE/googletest-$version-mingw64
    if [ -f "$prefix/.complete" ]; then
        echo "$prefix"
        return 0
    fi
    echo "Baue GoogleTest $version für Windows nach $prefix …" >&2
    work=$QUORVIX_WINDOWS_CACHE/work-googletest-$version
    rm -rf "$work" "$prefix"
    cmake -S /usr/src/googletest -B "$work" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$QUORVIX_TOOLCHAIN" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -Dgtest_disable_pthreads=OFF -DBUILD_GMOCK=OFF >"$QUORVIX_WINDOWS_CACHE/googletest.log" 2>&1 &&
    cmake --build "$work" >>"$QUORVIX_WINDOWS_CACHE/googletest.log" 2>&1 &&
    cmake --install "$work" >>"$QUORVIX_WINDOWS_CACHE/googletest.log" 2>&1 || {
        echo "GoogleTest für Windows fehlgeschlagen, siehe $QUORVIX_WINDOWS_CACHE/googletest.log" >&2
        return 1; }
    touch "$prefix/.complete"
    rm -rf "$work"
    echo "$prefix"
}

# Qt's German texts (the standard buttons' "Ja" and "Nein") where Qt for
# Windows looks for them when its DLLs are loaded from its own bin folder,
# as the window tests do. Debian's qt6-translations-l10n belongs to the same
# Qt version as the qt6-base source.
ensure_qt_windows_translation() {
    local prefix=$1
    if [ ! -f "$prefix/translations/qtbase_de.qm" ]; then
        mkdir -p "$prefix/translations"
        cp /usr/share/qt6/translations/qtbase_de.qm "$prefix/translations/"
    fi
}
