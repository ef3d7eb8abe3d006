#!/bin/sh
# Starts the skin gallery under Wine, has it save what it shows as
# <dir>/gallery.bmp, converts that to <dir>/gallery.png and fails when the
# picture is blank (a handful of colours at most).
# Usage: gallery_screenshot.sh WINE_RUN PREFIX GALLERY_EXE DIR
set -e
wine_run=$1 prefix=$2 gallery=$3 dir=$4
cd "$dir"
rm -f gallery.bmp gallery.png
"$wine_run" "$prefix" "$gallery" --screenshot gallery.bmp
/usr/bin/convert gallery.bmp gallery.png
colours=$(/usr/bin/identify -format '%k' gallery.png)
echo "$dir/gallery.png: $colours colours"
[ "$colours" -ge 10 ]
