#!/usr/bin/env bash
# Runs one Windows binary under the project's Wine prefix (CMake's emulator for the Windows
# build). The display and the wineserver are started by the test script beforehand; this
# starts them itself when called alone.
set -e
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
if [ -z "${DISPLAY:-}" ]; then tamrel_start_display; fi
if [ ! -f "$WINEPREFIX/.tamrel-ready" ]; then tamrel_start_wine; fi
exec wine "$@"
