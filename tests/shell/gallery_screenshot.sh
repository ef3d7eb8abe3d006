#!/bin/sh
# Starts the skin gallery under Wine on the generated skin set, has it save
# what it shows (popup menu included) as <dir>/gallery.bmp, converts that to
# <dir>/gallery.png and fails when the picture is blank (a handful of
# colours at most) or the gallery reports a failure.
# Usage: gallery_screenshot.sh WINE_RUN PREFIX GALLERY_EXE DIR SKINS_DIR
set -e
wine_run=$1 prefix=$2 gallery=$3 dir=$4 skins=$5
cd "$dir"
rm -f gallery.bmp gallery.png
"$wine_run" "$prefix" "$gallery" "$skins" --screenshot gallery.bmp
/usr/bin/convert gallery.bmp gallery.png
colours=$(/usr/bin/identify -format '%k' gallery.png)
echo "$dir/gallery.png: $colours colours"
[ "$colours" -ge 100 ]
