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
output=$(mktemp)
trap 'rm -f "$output"' EXIT

"$make_prefix" "$second" || exit 1
export GTEST_TOTAL_SHARDS=2
GTEST_SHARD_INDEX=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$wine_run" "$second" "$program" >"$output" 2>&1 </dev/null &
half=$!
GTEST_SHARD_INDEX=0 "$wine_run" "$prefix" "$program"
first=$?
wait "$half"
other=$?
# Whatever the second half's programs left behind belongs to its own server.
WINEPREFIX="$second" wineserver -k 2>/dev/null
echo "== second half (prefix $second, display of its own)"
cat "$output"
[ "$first" -eq 0 ] && [ "$other" -eq 0 ]
