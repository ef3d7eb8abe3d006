#!/usr/bin/env bash
# Prints key capture latency measured under Wine and Xvfb in the build's own
# prefix. Usage (from the checkout, after a windows build that includes
# bench/key_capture):
#   bench/key_capture/measure_key_capture.sh [build-dir]   (default: build)
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="$ROOT/${1:-build}/windows"
export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

xvfb-run -a -s "-screen 0 1280x1024x24" sh -c \
    'wineserver -p; wine "$0" </dev/null; rc=$?; wineserver -k; exit $rc' \
    "$BUILD/bench/key_capture/key_capture_latency.exe"
