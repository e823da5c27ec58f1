#!/usr/bin/env bash
# Builds Tamrel.exe and opens its window under Wine. With a display (DISPLAY set and reachable)
# the window opens there and the script ends when it is closed. Without one, the window opens on
# a virtual display, a screenshot is left in build/screenshot.png, and the program is closed.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Tamrel

source scripts/wine-env.sh
exe=build/windows/Tamrel.exe

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  tamrel_start_wine
  exec wine "$exe" "$@"
fi

started_display=
xdpyinfo -display "$TAMREL_XVFB_DISPLAY" >/dev/null 2>&1 || started_display=yes
tamrel_start_display
tamrel_start_wine
wine "$exe" "$@" >>"$TAMREL_WINE_LOG" 2>&1 </dev/null &
pid=$!
for _ in $(seq 1 300); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Tamrel"' && break
  kill -0 "$pid" 2>/dev/null || { echo "Tamrel.exe ended before its window appeared"; exit 1; }
  sleep 0.1
done
sleep 2  # let the first paint finish
window=$(xwininfo -root -tree | awk '/"Tamrel"/ {print $1; exit}')
import -display "$DISPLAY" -window "${window:-root}" build/screenshot.png
echo "No display here: the window was opened on a virtual display; screenshot: build/screenshot.png"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
tamrel_stop_wine
if [ -n "$started_display" ]; then pkill -f "Xvfb $TAMREL_XVFB_DISPLAY" || true; fi
