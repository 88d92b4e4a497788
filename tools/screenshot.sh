#!/usr/bin/env bash
# Writes the screenshot the README and the AppStream metadata show: the masonry page with the
# worked example calculated, drawn under a real X server (Xvfb). Run from the repository root
# after building; needs the package xvfb. Usage: tools/screenshot.sh [OUTPUT.png] [scene]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshot.png}"
mkdir -p "$(dirname "$out")"
cmake --build build --target screenshot >/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" build/tools/screenshot "$out" "${2:-masonry}"
echo "$out"
