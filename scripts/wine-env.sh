# Sourced by the scripts that run Windows binaries under Wine: one prefix inside the build
# folder (never the home folder), no Mono or Gecko prompts, and a virtual display.
TAMREL_ROOT=${TAMREL_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$TAMREL_ROOT/build/wineprefix}
# Wine needs a home folder even though the prefix lies elsewhere.
export HOME=${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
export WINEARCH=win64
TAMREL_XVFB_DISPLAY=${TAMREL_XVFB_DISPLAY:-:97}
TAMREL_WINE_LOG=$TAMREL_ROOT/build/wine.log

# Starts a virtual display unless one answers already on $TAMREL_XVFB_DISPLAY.
tamrel_start_display() {
  mkdir -p "$TAMREL_ROOT/build"
  if ! xdpyinfo -display "$TAMREL_XVFB_DISPLAY" >/dev/null 2>&1; then
    Xvfb "$TAMREL_XVFB_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >>"$TAMREL_WINE_LOG" 2>&1 &
    for _ in $(seq 1 100); do
      xdpyinfo -display "$TAMREL_XVFB_DISPLAY" >/dev/null 2>&1 && break
      sleep 0.1
    done
  fi
  export DISPLAY=$TAMREL_XVFB_DISPLAY
}

# Creates the prefix once, with the fonts the program asks for mapped to an installed CJK
# font, and keeps a wineserver running so each Windows process starts quickly. Wine's
# service processes inherit standard output, so all of it goes to a log file.
tamrel_start_wine() {
  mkdir -p "$TAMREL_ROOT/build"
  if [ ! -f "$WINEPREFIX/.tamrel-ready" ]; then
    wineboot -i >>"$TAMREL_WINE_LOG" 2>&1 </dev/null
    for face in "Microsoft YaHei UI" "Consolas" "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "SimSun"; do
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "WenQuanYi Micro Hei" /f \
        >>"$TAMREL_WINE_LOG" 2>&1 </dev/null
    done
    wineserver -w
    touch "$WINEPREFIX/.tamrel-ready"
  fi
  wineserver -p >>"$TAMREL_WINE_LOG" 2>&1 </dev/null
  wine cmd /c exit >>"$TAMREL_WINE_LOG" 2>&1 </dev/null
}

tamrel_stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
}
