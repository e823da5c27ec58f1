#!/usr/bin/env bash
# Builds and runs every test: natively, natively under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows build under Wine on a virtual display (the unit
# tests as Windows programs, the self-test of Tamrel.exe and the end-to-end window tests).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh

for preset in native sanitize; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

echo "== windows (under Wine)"
source scripts/wine-env.sh
started_display=
if ! xdpyinfo -display "$TAMREL_XVFB_DISPLAY" >/dev/null 2>&1; then started_display=yes; fi
tamrel_start_display
cleanup() {
  tamrel_stop_wine
  if [ -n "$started_display" ]; then pkill -f "Xvfb $TAMREL_XVFB_DISPLAY" || true; fi
}
trap cleanup EXIT
tamrel_start_wine
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
