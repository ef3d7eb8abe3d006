#!/bin/sh
# Monitor's tray icon driven with real X clicks (xdotool) in Wine's system
# tray: a left click starts Option, a second one raises it instead of
# starting another, and the right-click menu's "exit" ends Monitor, which
# closes Option on its way out.
# Usage: tray_clicks.sh WINE_RUN PREFIX MONITOR LAN HIDDRIVER VIRTUAL_MOUSE MOUSECTL STANDIN
set -eu
wine_run=$1 prefix=$2
dir=$(mktemp -d)
# The bracket keeps pgrep from matching a command line that names the pattern;
# Wine shows a program started from Windows by its Windows path, hence [/\\].
running() { pgrep -f "$(basename "$dir")[/\\\\]$1" || true; }
# A failed run must not leave Monitor holding its global names for the
# tests that follow.
cleanup() {
    pids=$(running '[M]onitor.exe')
    [ -z "$pids" ] || kill $pids 2>/dev/null || true
    "$wine_run" "$prefix" "$dir/mousectl.exe" unplug >/dev/null 2>&1 || true
    rm -rf "$dir"
}
trap cleanup EXIT
cp "$3" "$dir/Monitor.exe"; cp "$4" "$dir/lan.dll"; cp "$5" "$dir/hiddriver.dll"
cp "$6" "$dir/VirtualMouse.exe"; cp "$7" "$dir/mousectl.exe"; cp "$8" "$dir/Option.exe"
mkdir "$dir/config"

wait_for() {  # wait_for SECONDS COMMAND...
    n=$(($1 * 20)); shift
    while ! "$@" >/dev/null 2>&1; do
        n=$((n - 1)); [ "$n" -gt 0 ] || return 1
        sleep 0.05
    done
}
fail() { echo "tray_clicks: $*" >&2; exit 1; }
option_logged() { grep -qx "$1" "$dir/option.log" 2>/dev/null; }
monitor_gone() { [ -z "$(running '[M]onitor.exe')" ]; }
# Monitor's only visible X window is its tray menu.
menu_shown() { xdotool search --onlyvisible --classname monitor.exe; }

"$wine_run" "$prefix" "$dir/mousectl.exe" plug
(cd "$dir" && "$wine_run" "$prefix" "$dir/Monitor.exe" >/dev/null 2>&1 &)
# The icon is added once Monitor has found the mouse.
wait_for 20 grep -q 'Device=1' "$dir/config.ini" || fail "Monitor did not connect the mouse"
tray=$(xdotool search --name 'Wine System Tray' | head -n 1)
[ -n "$tray" ] || fail "no system tray window"
eval "$(xdotool getwindowgeometry --shell "$tray")"
icon_x=$((X + 9)) icon_y=$((Y + HEIGHT / 2))

xdotool mousemove "$icon_x" "$icon_y" click 1
wait_for 10 option_logged start || fail "a left click did not start Option"
xdotool mousemove "$icon_x" "$icon_y" click 1

# The menu of the right click that follows proves that Monitor has handled
# the second left click, and any Option it started would be running by now.
xdotool mousemove "$icon_x" "$icon_y" click 3
wait_for 10 menu_shown || fail "a right click did not show the menu"
[ "$(running '[O]ption.exe' | wc -l)" -eq 1 ] || fail "a second left click started another Option"
[ "$(grep -cx start "$dir/option.log")" -eq 1 ] || fail "a second left click started another Option"

# The menu's last item: exit.
menu=$(menu_shown | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$menu")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 10)) click 1
wait_for 10 option_logged "Option 16 0 0" || fail "Monitor did not close Option when it ended"
wait_for 10 monitor_gone || fail "Monitor is still running after exit"
echo "tray clicks: left click opens and raises Option, the menu's exit ends Monitor"
