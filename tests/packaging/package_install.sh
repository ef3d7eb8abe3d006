#!/bin/sh
# The release artefacts under Wine, as a user meets them: a silent install
# (files, Run key, Start-menu shortcut to Option, Monitor running), an upgrade over a
# running install that keeps the user's changed profiles and libraries, a
# silent uninstall that ends Monitor and Option and leaves only those, and
# an uninstall asked to remove them too. The zip holds the same folder.
# Everything is waited for by what can be seen: windows, files, registry.
# Usage: package_install.sh WINE_RUN PREFIX ARTEFACT_DIR VERSION WINDOW_PROBE
set -eu
wine_run=$1 prefix=$2 artefacts=$3 version=$4 probe=$5
setup=$artefacts/DuvaraZariv-$version-setup.exe
zip=$artefacts/DuvaraZariv-$version-portable.zip
monitor_title='VEXA 7710 DuvaraZariv Monitor'
option_title='VEXA 7710 DuvaraZariv Option'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\DuvaraZariv'
# No menu entries on the developer's own desktop for the shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
work=$(mktemp -d)

wine() { "$wine_run" "$prefix" "$@"; }
fail() { echo "package_install: $*" >&2; exit 1; }
wait_for() {  # wait_for SECONDS COMMAND...
    n=$(($1 * 10)); shift
    while ! "$@" >/dev/null 2>&1; do
        n=$((n - 1)); [ "$n" -gt 0 ] || return 1
        sleep 0.1
    done
}
unix_path() { wine winepath -u "$(wine cmd /c echo "$1" | tr -d '\r"')" | tr -d '\r'; }
reg_value() {  # reg_value KEY NAME: the value's data, empty when missing
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
# The program a shell link starts, as a Unix path: the link holds it as a
# local path, the first string in it naming an .exe.
shortcut_target() {
    wine winepath -u "$(strings "$1" | grep -i -m 1 '^[a-z]:\\.*\.exe$')" | tr -d '\r'
}
no_reg_key() { ! wine reg query "$uninstall_key" >/dev/null 2>&1; }
install() { wine "$setup" /S >>"$work/setup.log" 2>&1 </dev/null || fail "the installer failed"; }
uninstall() { wine "$dir/Uninstall.exe" /S "$@" >>"$work/setup.log" 2>&1 </dev/null; }
# Option's stand-in: a window of its title that ends on WM_CLOSE. Detached
# from our output, which ctest waits on.
hold_option() { (wine "$probe" hold "$option_title" &) >/dev/null 2>&1 </dev/null && wine "$probe" wait "$option_title" 10; }
listing() { (cd "$1" && find . | LC_ALL=C sort); }
only_user_data_left() {
    [ "$(listing "$dir")" = "$(printf '%s\n' . ./config ./config.ini ./config/Default0.gmp ./config/sequence.dat \
        ./config/Gun.dat ./config/AdvanceGun.dat | LC_ALL=C sort)" ]
}

dir=$(unix_path '%LOCALAPPDATA%\Programs\DuvaraZariv')
shortcut=$(unix_path '%APPDATA%\Microsoft\Windows\Start Menu\Programs\DuvaraZariv.lnk')

# Leaves the prefix without the suite: a Run value left behind would start
# Monitor with every later Wine session.
clean() {
    wine "$probe" close "$option_title" 10 >/dev/null 2>&1 || true
    wine "$probe" close "$monitor_title" 10 >/dev/null 2>&1 || true
    wine reg delete "$run_key" /v DuvaraZariv /f >/dev/null 2>&1 || true
    wine reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
    rm -rf "$dir" "$shortcut"
}
trap 'clean; rm -rf "$work"' EXIT
clean

# Install.
install
for file in Monitor.exe Option.exe OsdPanel.exe lan.dll hiddriver.dll Uninstall.exe config.ini skins/skin_main.ini; do
    [ -f "$dir/$file" ] || fail "the install lacks $file"
done
[ -d "$dir/config" ] || fail "the install lacks config\\"
run=$(reg_value "$run_key" DuvaraZariv)
[ "$(wine winepath -u "$(printf '%s' "$run" | tr -d '"')" | tr -d '\r')" = "$dir/Monitor.exe" ] \
    || fail "the Run value is '$run', not the installed Monitor.exe"
[ "$(reg_value "$uninstall_key" DisplayVersion)" = "$version" ] || fail "the uninstall entry lacks version $version"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
target=$(shortcut_target "$shortcut")
[ "$target" = "$dir/Option.exe" ] || fail "the shortcut starts '$target', not the installed Option.exe"
[ -f "$target" ] || fail "the shortcut's target $target does not exist"
wine "$probe" wait "$monitor_title" 30 || fail "the installer did not start Monitor"

# The zip holds the installed program folder (less the uninstaller).
mkdir "$work/zip" && (cd "$work/zip" && cmake -E tar xf "$zip")
[ "$(listing "$work/zip/DuvaraZariv")" = "$(listing "$dir" | grep -vx './Uninstall.exe')" ] \
    || fail "the zip and the installer hold different program folders"

# The user changes a profile and the macro library; a program file is damaged.
wait_for 10 grep -q '^Device=' "$dir/config.ini" || fail "Monitor did not write its device state"
printf '[Kept]\nMarker=1\n' >>"$dir/config.ini"
echo "changed profile" >"$dir/config/Default0.gmp"
echo "macro library" >"$dir/config/sequence.dat"
mkdir "$work/kept" && cp -r "$dir/config.ini" "$dir/config" "$work/kept/"
rm "$dir/lan.dll"
kept() { diff -r "$work/kept/config" "$dir/config" && grep -qx 'Marker=1' "$dir/config.ini"; }

# Upgrade over the running install, with Option open.
hold_option || fail "the Option stand-in did not start"
install
kept || fail "the upgrade did not keep the user's profiles and libraries"
[ -f "$dir/lan.dll" ] || fail "the upgrade did not install the program files"
wine "$probe" gone "$option_title" 10 || fail "the upgrade did not end Option"
wine "$probe" wait "$monitor_title" 30 || fail "Monitor does not run after the upgrade"
[ -n "$(reg_value "$run_key" DuvaraZariv)" ] || fail "the upgrade dropped the Run value"

# Uninstall with Monitor and Option running: only the user's data stays.
hold_option || fail "the Option stand-in did not start"
uninstall || fail "the uninstaller failed"
wait_for 30 only_user_data_left || { listing "$dir" >&2; fail "the uninstall left other files than the profiles and libraries"; }
kept || fail "the uninstall changed the user's profiles and libraries"
wait_for 10 no_reg_key || fail "the uninstall entry is still registered"
[ -z "$(reg_value "$run_key" DuvaraZariv)" ] || fail "the Run value outlived the uninstall"
[ ! -e "$shortcut" ] || fail "the shortcut outlived the uninstall"
wine "$probe" gone "$monitor_title" 10 || fail "the uninstall did not end Monitor"
wine "$probe" gone "$option_title" 10 || fail "the uninstall did not end Option"

# Reinstalled, the kept profiles are found again; an upgrade keeps the
# user's "no" to starting with Windows; /PURGE removes everything.
install
kept || fail "a new install replaced the kept profiles"
wine reg delete "$run_key" /v DuvaraZariv /f >/dev/null 2>&1 || fail "no Run value to delete"
install
[ -z "$(reg_value "$run_key" DuvaraZariv)" ] || fail "the upgrade turned starting with Windows on again"
uninstall /PURGE || fail "the uninstaller failed"
wait_for 30 test ! -e "$dir" || { listing "$dir" >&2; fail "the uninstall with /PURGE left the folder"; }
echo "package install: install, upgrade, uninstall and purge behave"
