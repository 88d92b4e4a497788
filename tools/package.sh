#!/usr/bin/env bash
# Builds the Debian package build-release/kladomer_<version>_amd64.deb (a release build).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
cmake --build build-release --parallel "$(nproc)" --target kladomer
(cd build-release && cpack)
ls build-release/kladomer_*.deb
