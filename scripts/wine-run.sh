#!/usr/bin/env bash
# How ctest starts the Windows test programs (CMAKE_CROSSCOMPILING_EMULATOR):
# under Wine, with the Windows line ends of their output turned into Unix
# ones, so that GoogleTest's list of tests reads as on Linux. The program's
# exit status is kept.
#
# The output goes through files, not straight into ctest's pipe: the first
# Wine program of a session starts Wine's own background services, which
# inherit its output and would keep ctest waiting until they end.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
wine "$@" </dev/null >"$out" 2>"$err"
status=$?
tr -d '\r' <"$out"
tr -d '\r' <"$err" >&2
exit "$status"
