#!/usr/bin/env bash
# Prints the button page's timings measured under Wine and Xvfb in the
# build's own prefix, with the installed program's skins and texts.
# Usage (from the checkout, after `./dev build`):
#   bench/button_page/measure_button_page.sh [build-dir]   (default: build)
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="$ROOT/${1:-build}"
export WINEPREFIX="$BUILD/windows/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
PROGRAM="Z:$(echo "$BUILD/program/" | tr / '\\')"

xvfb-run -a -s "-screen 0 1280x1024x24" sh -c \
    'wineserver -p; wine "$0" "$1" </dev/null; rc=$?; wineserver -k; exit $rc' \
    "$BUILD/windows/bench/button_page/button_page_timing.exe" "$PROGRAM"
