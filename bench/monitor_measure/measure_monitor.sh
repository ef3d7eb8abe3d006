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

# The process of this Wine prefix: other builds on the machine may run
# programs of the same name.
host_pid() {
    local pid
    for pid in $(pgrep -f "$1"); do
        if tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"; return
        fi
    done
}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kib() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
# Resident KiB per mapped file (anonymous memory under its own heading),
# largest first: where a program's memory goes.
rss_by_mapping() {
    awk '/^[0-9a-f]+-[0-9a-f]+ / { name = (NF >= 6) ? $6 : "[anonymous]"; for (i = 7; i <= NF; ++i) name = name " " $i }
         /^Rss:/ { rss[name] += $2 }
         END { for (n in rss) if (rss[n] >= 256) printf "    %7d KiB  %s\n", rss[n], n }' "/proc/$1/smaps" | sort -rn | head -n 14
}

# Resident KiB by which the first process exceeds the second, per mapped
# file (differences of 32 KiB or more), largest first: where Monitor's
# memory above the tray program's goes.
rss_difference() {
    awk '/^[0-9a-f]+-[0-9a-f]+ / { name = (NF >= 6) ? $6 : "[anonymous]"; for (i = 7; i <= NF; ++i) name = name " " $i }
         /^Rss:/ { diff[name] += (FILENAME == ARGV[1]) ? $2 : -$2; total += (FILENAME == ARGV[1]) ? $2 : -$2 }
         END { for (n in diff) if (diff[n] >= 32 || diff[n] <= -32) printf "    %+7d KiB  %s\n", diff[n], n | "sort -rn"
               close("sort -rn")
               printf "    %+7d KiB  in all\n", total }' "/proc/$1/smaps" "/proc/$2/smaps"
}

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
            local tray
            tray=$(host_pid 'tray_program\.exe')
            echo "  host view: resident memory Monitor.exe $(rss_kib "$monitor") KiB," \
                 "blank window program $(rss_kib "$(host_pid 'minimal\.exe')") KiB," \
                 "tray program $(rss_kib "$tray") KiB"
            echo "  Monitor.exe by mapping:"; rss_by_mapping "$monitor"
            echo "  tray program by mapping:"; rss_by_mapping "$tray"
            echo "  Monitor.exe above the tray program, by mapping:"; rss_difference "$monitor" "$tray"
            touch "$BUILD/memory_sampled" ;;
        *) echo "$line" ;;
        esac
    done
}

rm -f "$BUILD/memory_sampled"
cd "$BUILD"
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c \
    'wineserver -p; wine "$0" </dev/null; rc=$?; wineserver -k; exit $rc' \
    "$BUILD/bench/monitor_measure/monitor_measure.exe" | report
