#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test; then runs the
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer, checks the formatting, the
# desktop files and a staged installation, and runs the number-rules fuzzer for a short,
# bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug -DKLADOMER_WERROR=ON
cmake --build build --parallel "$jobs"
ctest --test-dir build --output-on-failure --parallel "$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKLADOMER_WERROR=ON -DKLADOMER_SANITIZE=ON
cmake --build build-sanitize --parallel "$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure --parallel "$jobs"

clang-format --dry-run --Werror $(git ls-files '*.cpp' '*.h')

# The desktop files, and an installation into a staging folder.
desktop-file-validate packaging/ru.kladomer2.kladomer.desktop
appstreamcli validate --no-net packaging/ru.kladomer2.kladomer.metainfo.xml
staging="$(mktemp -d)"
DESTDIR="$staging" cmake --install build --prefix /usr
test -x "$staging/usr/bin/kladomer" && test -x "$staging/usr/bin/kladomer-launcher"
test -f "$staging/usr/lib/kladomer/kladomer_export.so" || test -f "$staging"/usr/lib/*/kladomer/kladomer_export.so
desktop-file-validate "$staging/usr/share/applications/ru.kladomer2.kladomer.desktop"
test -f "$staging/usr/share/icons/hicolor/scalable/apps/ru.kladomer2.kladomer.svg"
rm -rf "$staging"

# The launcher starts the program even where it cannot make the data folder.
fake="$(mktemp -d)"
cp packaging/kladomer-launcher "$fake/"
printf '#!/bin/sh\necho started\n' > "$fake/kladomer"
chmod +x "$fake/kladomer"
test "$(XDG_DATA_HOME=/dev/null/kladomer "$fake/kladomer-launcher" 2>/dev/null)" = started
rm -rf "$fake"

CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DKLADOMER_FUZZ=ON -DKLADOMER_SANITIZE=ON
cmake --build build-fuzz --parallel "$jobs" --target fuzz_number_rules
build-fuzz/tests/fuzz_number_rules -max_total_time=60 -max_len=64 -print_final_stats=0
echo "All tests passed."
