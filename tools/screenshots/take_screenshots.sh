#!/usr/bin/env bash
# Pictures of the running system for `./dev run --screenshots DIR`: Option's
# main window with each page, the function menu, a notice of the on-screen
# display and every dialog a click reaches. Controls are found by their
# layout rectangles, windows by appearing on the X display; the only pause
# is waiting for two captures of a window to agree (its paint has settled).
# Usage: take_screenshots.sh DIR LAYOUT_DIR MOUSECTL   (DISPLAY set, system running)
set -euo pipefail
out=$1 layouts=$2 mousectl=$3
option_title='VEXA 7710 DuvaraZariv Option'
mkdir -p "$out"

# rect LAYOUT NAME: "left top width height" of a control of skins/layouts/LAYOUT.layout.
rect() {
    awk -v name="name=$2" '{ for (i = 1; i <= NF; i++) if ($i == name) { print $3, $4, $5, $6; exit } }' \
        "$layouts/$1.layout"
}
# geometry WINDOW: "x y width height" on the screen.
geometry() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    echo "$X $Y $WIDTH $HEIGHT"
}
# Wine names each window's X class after its program; a window manager's
# frames and the root have other classes.
visible_windows() { xdotool search --onlyvisible --class '\.exe$' 2>/dev/null || true; }
# new_window BEFORE SECONDS [LAYOUT]: a visible window not in BEFORE (of the
# size LAYOUT gives, when named: a menu may open beside a dialog), once one appears.
new_window() {
    local deadline=$((SECONDS + $2)) size= window
    [ -z "${3:-}" ] || size=$(awk '$1 == "window" { print $2, $3; exit }' "$layouts/$3.layout")
    while [ "$SECONDS" -le "$deadline" ]; do
        for window in $(visible_windows | grep -vxF -f <(printf '%s\n' "$1") || true); do
            [ -z "$size" ] || [ "$(geometry "$window" | cut -d' ' -f3-)" = "$size" ] || continue
            echo "$window"
            return 0
        done
        sleep 0.05
    done
    return 1
}
# gone WINDOW SECONDS: waits until the window is no longer visible.
gone() {
    local deadline=$((SECONDS + $2))
    while visible_windows | grep -qx "$1"; do
        [ "$SECONDS" -le "$deadline" ] || return 1
        sleep 0.05
    done
}
# click WINDOW X Y [DX DY]: clicks at client offset X,Y (plus DX,DY) of a window.
click() {
    local wx wy _
    read -r wx wy _ _ < <(geometry "$1")
    xdotool mousemove "$((wx + $2 + ${4:-0}))" "$((wy + $3 + ${5:-0}))" click 1
}
# click_control WINDOW LAYOUT NAME [DX DY]: clicks the middle of a layout control.
click_control() {
    local l t w h
    read -r l t w h < <(rect "$2" "$3")
    click "$1" "$((l + w / 2))" "$((t + h / 2))" "${4:-0}" "${5:-0}"
}
# bounds WINDOW...: "x y width height" of the smallest box around the windows.
bounds() {
    local window x y w h left=100000 top=100000 right=0 bottom=0
    for window in "$@"; do
        read -r x y w h < <(geometry "$window")
        left=$((x < left ? x : left)) top=$((y < top ? y : top))
        right=$((x + w > right ? x + w : right)) bottom=$((y + h > bottom ? y + h : bottom))
    done
    echo "$left $top $((right - left)) $((bottom - top))"
}
# capture NAME WINDOW...: the screen around the windows, as DIR/NAME.png,
# once two captures in a row agree. The pointer moves off first: it would
# light up the control under it.
capture() {
    local name=$1 x y w h
    shift
    local file="$out/$name.png" previous="$out/.$name.previous.png"
    xdotool mousemove 1279 1023
    read -r x y w h < <(bounds "$@")
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$previous"
    for _ in $(seq 50); do
        import -window root -crop "${w}x${h}+${x}+${y}" +repage "$file"
        [ "$(compare -metric AE "$previous" "$file" null: 2>&1 || true)" != 0 ] || break
        mv "$file" "$previous"
    done
    rm -f "$previous"
    convert "$file" -strip -colors 256 "PNG8:$file"
    echo "$file"
}

main=$(timeout 20 xdotool search --sync --onlyvisible --name "^$option_title\$" | head -n 1) \
    || { echo "Option's window did not show" >&2; exit 1; }
read -r area_left area_top _ _ < <(rect main page_area)
# Pages are children of the main window placed in its page area.
click_page() { click_control "$main" "$1" "$2" "$area_left" "$area_top"; }

# dialog NAME LAYOUT OPENER...: runs OPENER, captures the window it opens
# and closes it with its Cancel; a dialog that does not open is skipped.
dialog() {
    local name=$1 layout=$2 before window
    shift 2
    before=$(visible_windows)
    "$@"
    if ! window=$(new_window "$before" 5 "$layout"); then
        echo "skipped $name: no window opened (its button or menu item is disabled)" >&2
        dismiss_menu
        return 0
    fi
    capture "$name" "$window"
    click_control "$window" "$layout" cancel
    gone "$window" 10 || { echo "$name did not close on Cancel" >&2; exit 1; }
    menu_window=
}

# A function menu: opens it on button ENTRY of the button page. A click
# right after a menu closed may be taken for that menu's: it is repeated.
menu_window=
open_menu() {
    local before
    click_page button_page "$([ "$1" -lt 16 ] && echo first_bank || echo second_bank)"
    before=$(visible_windows)
    for _ in 1 2 3; do
        click_page button_page "function[$1]"
        menu_window=$(new_window "$before" 2) && return 0
    done
    echo "no function menu opened" >&2
    exit 1
}
# The menu's items are 19 pixels high inside a 1-pixel frame.
menu_item() { open_menu "$1"; click "$menu_window" 40 "$((1 + 19 * $2 + 9))"; }
# A disabled item leaves the menu open: a click on the status line, which
# does nothing itself (a click on the header would drag the window), ends it.
dismiss_menu() {
    if [ -n "$menu_window" ] && visible_windows | grep -qx "$menu_window"; then
        click_control "$main" main status
        gone "$menu_window" 5 || true
    fi
    menu_window=
}

click_control "$main" main basic_page
capture option-button-page "$main"
open_menu 4
capture function-menu "$main" "$menu_window"
dismiss_menu

# Items of the first bank's menu (macro_item) and of the second bank's
# (entries 16-31), which adds the pattern items before "Macro".
readonly fire_button_item=9 key_combination_item=10 macro_item=12 advanced_pattern_item=12 gun_library_item=13
dialog shortcut-dialog key menu_item 4 "$key_combination_item"
dialog macro-picker select_macro menu_item 4 "$macro_item"
dialog fire-button-dialog fire_button menu_item 4 "$fire_button_item"
dialog gun-library qiangxieku menu_item 16 "$gun_library_item"
dialog advanced-pattern-picker select_macro menu_item 16 "$advanced_pattern_item"

click_control "$main" main advanced_page
capture option-advanced-page "$main"
dialog warning warn click_page advance_setting restore_all_defaults
dialog name-dialog inputname click_page advance_setting "spare_button[0]"
dialog advanced-pattern-dialog gaoji_qiangxieku click_page advance_setting advanced_patterns
click_control "$main" main basic_page

# A notice of the on-screen display: the DPI-up button of the mouse.
before=$(visible_windows)
wine "$mousectl" press dpi-up </dev/null >/dev/null 2>&1
notice=$(new_window "$before" 10) || { echo "no notice showed" >&2; exit 1; }
capture notice "$notice"
