#!/bin/sh
# Builds the two release artefacts from the windows build tree:
#   OUT/DuvaraZariv-VERSION-setup.exe     the per-user installer (NSIS)
#   OUT/DuvaraZariv-VERSION-portable.zip  the same program folder, zipped
# OUT/stage/DuvaraZariv is the program folder both are made from.
# Usage: make_package.sh BUILD_DIR OUT_DIR VERSION WITH_VIRTUAL_MOUSE(ON|OFF) ICON
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$1 version=$3 virtual_mouse=$4
icon=$(cd "$(dirname "$5")" && pwd)/$(basename "$5")
mkdir -p "$2"
out=$(cd "$2" && pwd)
name=DuvaraZariv
stage=$out/stage/$name

rm -rf "$out/stage" "$out/$name"-*
mkdir -p "$stage"
# The program folder as the build installs it, without debug information.
cmake --install "$build" --prefix "$stage" --strip --component Unspecified >/dev/null
if [ "$virtual_mouse" = ON ]; then
    cmake --install "$build" --prefix "$stage" --strip --component virtual_mouse >/dev/null
fi

# config.ini and config\ hold the user's profiles and libraries: installed
# only where missing, never removed by the plain uninstall.
is_user_data() { case $1 in config.ini | config | config/*) return 0 ;; *) return 1 ;; esac; }
windows_path() { printf '%s' "$1" | sed 's|/|\\|g'; }
# printf, not echo: dash's echo would take "\s" in "$INSTDIR\skins" for an escape.
line() { printf '%s\n' "$1"; }

files=$out/stage/files.nsh unfiles=$out/stage/unfiles.nsh
cd "$stage"
# One path a line: names may hold blanks.
IFS='
'
{
    for dir in . $(find . -mindepth 1 -type d | sed 's|^\./||' | sort); do
        if [ "$dir" = . ]; then line 'SetOutPath "$INSTDIR"'; else line "SetOutPath \"\$INSTDIR\\$(windows_path "$dir")\""; fi
        for file in $(find "$dir" -maxdepth 1 -type f | sed 's|^\./||' | sort); do
            if is_user_data "$file"; then
                printf 'SetOverwrite off\nFile "%s"\nSetOverwrite on\n' "$file"
            else
                line "File \"$file\""
            fi
        done
    done
} > "$files"
{
    for file in $(find . -type f | sed 's|^\./||' | sort); do
        is_user_data "$file" || line "Delete \"\$INSTDIR\\$(windows_path "$file")\""
    done
    # Deepest first; a folder still holding anything stays.
    for dir in $(find . -mindepth 1 -type d | sed 's|^\./||' | sort -r); do
        is_user_data "$dir" || line "RMDir \"\$INSTDIR\\$(windows_path "$dir")\""
    done
} > "$unfiles"

makensis -V2 -NOCD -DVERSION="$version" -DOUTFILE="$out/$name-$version-setup.exe" \
    -DFILES_NSH="$files" -DUNFILES_NSH="$unfiles" -DICON="$icon" "$here/installer.nsi"
cd "$out/stage"
cmake -E tar cf "$out/$name-$version-portable.zip" --format=zip "$name"
echo "$out/$name-$version-setup.exe"
echo "$out/$name-$version-portable.zip"
