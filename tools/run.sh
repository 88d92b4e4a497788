#!/usr/bin/env bash
# Installs what is missing, builds Kladomer 2 and starts it in the folder "run", whose "data"
# folder receives the saved calculation histories.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
cmake --build build-release --parallel "$(nproc)" --target kladomer
mkdir -p run/data
cd run && exec ../build-release/kladomer
