#!/usr/bin/env bash
# Prints Monitor's apply overhead and resting cost, measured under Wine and
# Xvfb in the build's own prefix. Usage (from the checkout, after a windows
# build that includes bench/monitor_measure):
#   bench/monitor_measure/measure_monitor.sh [build-dir]   (default: build)
# CPU time and resident memory are also read from the host's /proc, since
# Wine's own figures for other processes are unreliable.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="$ROOT/${1:-build}/windows"
export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

host_pid() { pgrep -f "$1" | head -n 1; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kib() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }

report() {
    local monitor="" before=0
    while IFS= read -r line; do
        line=${line%$'\r'}
        case "$line" in
        "rest begins")
            monitor=$(host_pid 'Monitor\.exe')
            before=$(cpu_ticks "$monitor") ;;
        "Monitor at rest"*)
            echo "$line"
            local ticks=$(( $(cpu_ticks "$monitor") - before )) hz
            hz=$(getconf CLK_TCK)
            awk -v t="$ticks" -v hz="$hz" 'BEGIN { printf "  host view: %.2f s CPU in 60 s (%.3f%%)\n", t / hz, 100 * t / hz / 60 }' ;;
        "memory printed")
            echo "  host view: resident memory Monitor.exe $(rss_kib "$monitor") KiB," \
                 "minimal Win32 program $(rss_kib "$(host_pid 'minimal\.exe')") KiB" ;;
        *) echo "$line" ;;
        esac
    done
}

xvfb-run -a -s "-screen 0 1280x1024x24" sh -c \
    'wineserver -p; wine "$0" </dev/null; rc=$?; wineserver -k; exit $rc' \
    "$BUILD/bench/monitor_measure/monitor_measure.exe" | report
