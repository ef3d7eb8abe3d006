#!/bin/sh
# Creates the Wine prefix PREFIX when it is missing, with unmanaged windows:
# Xvfb runs no window manager, and Wine waits up to 2 s for one to withdraw
# every managed window that is hidden or destroyed. Wine reads the setting
# when a program starts, so it is stored while none runs.
# Usage: wine-prefix.sh PREFIX
export WINEPREFIX="$1"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "creating Wine prefix $WINEPREFIX (once)"
    wineboot -i >/dev/null 2>&1 </dev/null
    wineserver -w
fi
grep -qx '"Managed"="N"' "$WINEPREFIX/user.reg" && exit 0
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
# A server kept running by `./dev run` keeps the value for the programs it starts.
timeout 30 wineserver -w || true
