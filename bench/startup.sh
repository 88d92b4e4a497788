#!/usr/bin/env bash
# Start-up of the real program beside the floor under a private X server (Xvfb), in alternate
# rounds: the time from start to the first painting into the window and the peak resident
# memory (VmHWM), as medians and as the median of the same-round ratios (kladomer / floor).
# Needs a release build with the benchmarks (cmake -S . -B build-release
# -DCMAKE_BUILD_TYPE=Release && cmake --build build-release), which builds bench/startup's
# startwatch when libx11-dev, libxdamage-dev and libxfixes-dev are installed, and xvfb.
# RUNS rounds, 15 by default.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
watch="$root/build-release/bench/startwatch"
[ -x "$watch" ] || { echo "build $watch first (see bench/README.md)" >&2; exit 2; }
work="$(mktemp -d)"
mkdir -p "$work/data"
trap 'kill "${xvfb:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT

# A display of our own: Xvfb writes the number it chose to the descriptor.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 number <&3
export DISPLAY=":$number"
cd "$work"

for ((i = 1; i <= ${RUNS:-15}; i++)); do
    # Alternate which starts first, so a warm cache favours neither.
    if ((i % 2)); then order="kladomer floor"; else order="floor kladomer"; fi
    for who in $order; do
        if [ "$who" = kladomer ]; then
            line=$("$watch" 'Кладомер' "$root/build-release/kladomer" 2>/dev/null)
        else
            line=$("$watch" floor "$root/build-release/bench/floor" 2>/dev/null)
        fi
        echo "$i $who $line"
    done
done | python3 -c '
import re, statistics, sys
rounds = {}
for line in sys.stdin:
    i, who, rest = line.split(None, 2)
    f = dict(re.findall(r"(\w+)=([\d.]+)", rest))
    rounds.setdefault(int(i), {})[who] = (float(f["first_frame_ms"]), float(f["vm_hwm_kb"]))
full = [r for r in rounds.values() if len(r) == 2]
med = lambda xs: statistics.median(xs)
k_ms = med([r["kladomer"][0] for r in full]); f_ms = med([r["floor"][0] for r in full])
k_kb = med([r["kladomer"][1] for r in full]); f_kb = med([r["floor"][1] for r in full])
same = med([r["kladomer"][0] / r["floor"][0] for r in full])
print(f"rounds:                          {len(full)}")
print(f"first frame, kladomer / floor:   {k_ms:.1f} / {f_ms:.1f} ms (medians)")
print(f"ratio of medians:                {k_ms / f_ms:.3f}")
print(f"median of same-round ratios:     {same:.3f}")
print(f"peak RSS, kladomer / floor:      {k_kb / 1024:.1f} / {f_kb / 1024:.1f} MB, ratio {k_kb / f_kb:.3f}")
'
