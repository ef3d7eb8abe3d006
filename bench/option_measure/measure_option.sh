#!/usr/bin/env bash
# Prints Option's timings measured under Wine and Xvfb in the build's own
# prefix, on a copy of the installed program folder with the mouse marked
# connected. Usage (from the checkout, after `./dev build`):
#   bench/option_measure/measure_option.sh [build-dir]   (default: build)
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="$ROOT/${1:-build}"
export WINEPREFIX="$BUILD/windows/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp -r "$BUILD/program/." "$folder/"
cp "$BUILD/windows/bench/option_measure/minimal_window.exe" "$folder/"
printf '[Setting]\r\nCurrentProfile=1\r\nDevice=1\r\n' > "$folder/config.ini"
wfolder="Z:$(echo "$folder/" | tr / '\\')"

xvfb-run -a -s "-screen 0 1280x1024x24" sh -c \
    'wineserver -p; wine wineboot >/dev/null 2>&1 </dev/null; for m in startup clicks; do wine "$0" $m "$1" </dev/null; done; rc=$?; wineserver -k; exit $rc' \
    "$BUILD/windows/bench/option_measure/option_timing.exe" "$wfolder"
