#!/usr/bin/env bash
# Start-up of the real program beside the floor, alternately under a private X server: first
# painted frame, peak RSS and heap, medians and same-round ratios. Needs a release build
# (cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release && cmake --build build-release),
# xvfb, xdotool, libx11-dev, libxdamage-dev, libxfixes-dev, and the workplace's
# startup-bench.sh (STARTUP_BENCH points at it; by default ../shared/tools/startup-bench.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bench="${STARTUP_BENCH:-../shared/tools/startup-bench.sh}"
work="$(mktemp -d)"
mkdir -p "$work/data"
trap 'rm -rf "$work"' EXIT
cd "$work"
"$OLDPWD/$bench" -n "${RUNS:-15}" "$OLDPWD/build-release/kladomer" --name '^Кладомер' \
    --vs "$OLDPWD/build-release/bench/floor" --vs-name '^floor$'
