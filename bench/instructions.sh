#!/usr/bin/env bash
# Instructions from exec to the first frame, counted by callgrind (repeatable on a noisy
# machine): the real window and the floor, each started offscreen and leaving after its first
# frame. Needs a release build in build-release and valgrind.
set -euo pipefail
cd "$(dirname "$0")/.."
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
count() {
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$work/out" "$1" \
        2>&1 | sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
program=$(count build-release/bench/kladomer_first_frame)
floor=$(count build-release/bench/floor_first_frame)
printf 'kladomer  %12d instructions\nfloor     %12d instructions\nratio     %12.3f\n' \
    "$program" "$floor" "$(echo "scale=3; $program / $floor" | bc)"
