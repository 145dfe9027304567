#!/usr/bin/env bash
# Builds Quorvix and its tests for Windows (what is missing, Qt from the
# cache) and runs them under Wine: the engine tests (GoogleTest) and the
# window tests (QtTest, offscreen), then quorvix.exe from the zip and from
# the installed setup on an invisible screen, each until its first message.
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-common.sh

# The title of the first message ("Lade deine alte Counterstrike-Config"),
# which only appears once the splash has handed over to the main window.
first_message_title='Quorvix v0.3b'

# Starts a Windows program under Wine on the current X display and waits up
# to 90 s for a window titled like the first message, then ends it.
# Arguments: the program (Windows path) and a name for the messages.
shows_first_message() {
    local program=$1 label=$2 waited=0 pid
    wine "$program" >/dev/null 2>&1 &
    pid=$!
    while [ "$waited" -lt 180 ]; do
        if xdotool search --name "^${first_message_title//./\\.}\$" >/dev/null 2>&1; then
            echo "  $label: erste Meldung \"$first_message_title\" erscheint nach $((waited / 2)) s"
            if [ -n "${QUORVIX_SCREENSHOT:-}" ]; then
                sleep 1
                import -window root "$QUORVIX_SCREENSHOT-$label.png"
            fi
            wineserver -k
            wait "$pid" || true
            return 0
        fi
        sleep 0.5
        waited=$((waited + 1))
    done
    echo "  $label: keine erste Meldung nach 90 s" >&2
    wineserver -k
    wait "$pid" || true
    return 1
}

# Everything that needs a screen, run by this script under xvfb-run.
window_checks() {
    local zip=$1 setup=$2 failed=0
    openbox >/dev/null 2>&1 &
    local unpacked=$WINEPREFIX/drive_c/users/Public/Quorvix-zip
    mkdir -p "$unpacked"
    unzip -q "$zip" -d "$unpacked"
    local exe
    exe=$(find "$unpacked" -name quorvix.exe | head -n 1)
    shows_first_message "$(winepath -w "$exe")" zip || failed=1

    # NSIS's "/S": no questions, everything as the defaults say.
    wine "$setup" /S
    local installed="$WINEPREFIX/drive_c/Program Files/Quorvix"
    local link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvix.lnk"
    local key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvix'
    if [ -f "$installed/quorvix.exe" ] && [ -f "$installed/Uninstall.exe" ] && [ -f "$link" ] &&
       wine reg query "$key" /v UninstallString 2>/dev/null | grep -q 'Uninstall.exe'; then
        echo "  Setup: installiert nach C:\\Program Files\\Quorvix, mit Startmenü-Eintrag und Eintrag unter \"Apps\""
    else
        echo "  Setup: Programm, Startmenü-Eintrag oder Eintrag unter \"Apps\" fehlt" >&2
        failed=1
    fi
    if [ -f "$installed/quorvix.exe" ]; then
        shows_first_message 'C:\Program Files\Quorvix\quorvix.exe' setup || failed=1
        # The uninstaller hands over to a copy of itself in %TEMP% and returns
        # at once; its last step removes the "Apps" entry.
        wine 'C:\Program Files\Quorvix\Uninstall.exe' /S
        local waited=0
        while wine reg query "$key" >/dev/null 2>&1 && [ "$waited" -lt 60 ]; do
            sleep 1
            waited=$((waited + 1))
        done
        if [ ! -e "$installed/quorvix.exe" ] && [ ! -e "$link" ] &&
           ! wine reg query "$key" >/dev/null 2>&1; then
            echo "  Deinstallation: Programm, Startmenü-Eintrag und Eintrag unter \"Apps\" sind fort"
        else
            echo "  Deinstallation: es ist etwas übrig geblieben" >&2
            failed=1
        fi
    fi
    return "$failed"
}

if [ "${1:-}" = --window-checks ]; then
    window_checks "$2" "$3"
    exit
fi

ensure_windows_packages xdotool x11-utils openbox imagemagick
bash scripts/build-windows.sh
qt=$(ensure_qt_windows 2>/dev/null)
ensure_qt_windows_translation "$qt"
gtest=$(ensure_gtest_windows)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)

echo "Baue die Tests für Windows (Ordner build-windows/) …"
cmake -S . -B build-windows -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$QUORVIX_TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$qt;$gtest" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/scripts/wine-run.sh" \
    -DQUORVIX_BUILD_TESTS=ON >/dev/null
failures=()
tests_built=yes
if ! cmake --build build-windows; then
    echo "Die Tests für Windows lassen sich nicht bauen; geprüft wird nur noch das Programm." >&2
    failures+=("Bau der Tests")
    tests_built=no
fi

# A Wine of its own for this run: nothing left from earlier runs, nothing
# left behind. Its programs find Qt's and MinGW's DLLs through WINEPATH.
work=$(mktemp -d /tmp/quorvix-wine.XXXXXX)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko: Quorvix needs neither, and Wine would offer to download them.
export WINEDLLOVERRIDES='mscoree,mshtml='
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
echo "Richte Wine ein ($WINEPREFIX) …"
wineboot -i >/dev/null 2>&1
wineserver -w
# One Wine server for the whole run instead of one per test program.
wineserver -p </dev/null >/dev/null 2>&1
runtime_dirs=$(for dll in libstdc++-6.dll libwinpthread-1.dll; do
                   dirname "$(readlink -f "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)")"
               done | sort -u)
WINEPATH=$(printf 'Z:%s;' "$qt/bin" $runtime_dirs | tr / '\\')
export WINEPATH

echo "Prüfe quorvix.exe: ein Fensterprogramm ohne Konsole, mit Symbol …"
exe=build-windows/src/quorvix.exe
headers=$(x86_64-w64-mingw32-objdump -p -h "$exe")
if grep -q '^Subsystem.*(Windows GUI)' <<<"$headers" && grep -q ' \.rsrc ' <<<"$headers"; then
    echo "  quorvix.exe: Windows GUI, mit Ressourcen (Symbol, Version)"
else
    echo "  quorvix.exe ist kein Fensterprogramm oder hat kein Symbol" >&2
    failures+=("quorvix.exe")
fi

ctest_summary='ctest lief nicht'
if [ "$tests_built" = yes ]; then
    echo "Starte die Tests unter Wine …"
    ctest_log=$work/ctest.log
    # Wine hands no QT_* variable of Linux on to Windows programs, so the
    # window tests' invisible screen (and the fonts it draws with, DejaVu
    # from Linux) are set in Wine's own environment for the test run only.
    wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f >/dev/null 2>&1
    wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d 'Z:\usr\share\fonts\truetype\dejavu' /f \
        >/dev/null 2>&1
    if ! ctest --test-dir build-windows --output-on-failure -j2 2>&1 | tee "$ctest_log"; then
        failures+=("ctest")
    fi
    wine reg delete 'HKCU\Environment' /v QT_QPA_PLATFORM /f >/dev/null 2>&1
    wine reg delete 'HKCU\Environment' /v QT_QPA_FONTDIR /f >/dev/null 2>&1
    ctest_summary=$(grep -E 'tests passed, [0-9]+ tests failed out of' "$ctest_log" ||
                    echo 'ctest ohne Zusammenfassung')
fi

echo "Starte Quorvix aus dem ZIP und aus dem Setup unter Wine (Xvfb) …"
# Wine's background services started without a screen; the programs on the
# invisible screen need them started anew there. Without WINEPATH, so that
# the program folder has to bring every DLL itself.
wineserver -k
sleep 1
if ! env -u WINEPATH xvfb-run -a -s '-screen 0 1280x800x24' \
        bash scripts/test-windows.sh --window-checks \
        "$PWD/dist/Quorvix-$version-win64.zip" "$PWD/dist/Quorvix-$version-setup.exe"; then
    failures+=("Programmstart")
fi

if [ ${#failures[@]} -eq 0 ]; then
    echo "Windows-Tests bestanden: $ctest_summary; ZIP und Setup starten bis zur ersten Meldung."
else
    echo "Windows-Tests FEHLGESCHLAGEN (${failures[*]}): $ctest_summary" >&2
    exit 1
fi
