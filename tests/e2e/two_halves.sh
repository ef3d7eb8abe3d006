#!/bin/sh
# Runs a Wine test program in two halves at the same time (GoogleTest
# shards): the first in the build's prefix on the current display, the
# second in a prefix of its own with its own wineserver and Xvfb display.
# Monitor's names are global only within one wineserver and the foreground
# window only within one display, so the halves never meet; most of their
# time is the mouse protocol's pauses, which overlap.
# Usage: two_halves.sh WINE_RUN WINE_PREFIX_SH PREFIX PROGRAM
set -u
wine_run=$1 make_prefix=$2 prefix=$3 program=$4
second="$prefix-second"
output=$(mktemp) display=$(mktemp)
xvfb=
cleanup() {
    # Whatever the second half's programs left behind belongs to its own server.
    WINEPREFIX="$second" wineserver -k 2>/dev/null
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null
    rm -f "$output" "$display"
}
trap cleanup EXIT

"$make_prefix" "$second" || exit 1
# Xvfb picks a free display number itself: no race with other X servers
# starting at the same time.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display" >/dev/null 2>&1 &
xvfb=$!
n=200
while [ ! -s "$display" ]; do
    n=$((n - 1)); [ "$n" -gt 0 ] || { echo "two_halves: Xvfb did not start" >&2; exit 1; }
    sleep 0.05
done

export GTEST_TOTAL_SHARDS=2
DISPLAY=":$(cat "$display")" GTEST_SHARD_INDEX=1 "$wine_run" "$second" "$program" >"$output" 2>&1 </dev/null &
half=$!
GTEST_SHARD_INDEX=0 "$wine_run" "$prefix" "$program"
first=$?
wait "$half"
other=$?
echo "== second half (prefix $second, display :$(cat "$display"))"
cat "$output"
[ "$first" -eq 0 ] && [ "$other" -eq 0 ]
