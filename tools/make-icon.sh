#!/usr/bin/env bash
# Regenerates resources/tamrel.ico from tools/make_icon.cpp with the host compiler. The build
# does not run this: the icon is committed beside the resource script that names it.
#   tools/make-icon.sh [folder for the PNGs, to look at them]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -o "$work/make_icon" "$root/tools/make_icon.cpp"
if [ $# -ge 1 ]; then mkdir -p "$1"; fi
"$work/make_icon" "$root/resources/tamrel.ico" "$@"
