#!/usr/bin/env bash
# Builds the fuzz target in its own folder with clang and runs it.
#   tests/fuzz/fuzz.sh SECONDS [BUILD_DIR]
# The seeds are the sources of the test fixtures; what the fuzzer adds goes to
# BUILD_DIR/fuzz-corpus, a finding to BUILD_DIR/fuzz-findings. Exit status 1
# on a crash, hang or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/../.."
SECONDS_TO_RUN=${1:-30}
BUILD_DIR=${2:-build-fuzz}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -G Ninja -DZELKER_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "${launcher[@]}"
cmake --build "$BUILD_DIR" --target zelk_fuzz --parallel

seeds="$BUILD_DIR/fuzz-seeds"
rm -rf "$seeds"
mkdir -p "$seeds" "$BUILD_DIR/fuzz-corpus" "$BUILD_DIR/fuzz-findings"
find tests/fixtures -type f \( -iname '*.bas' -o -iname '*.cls' -o -iname '*.frm' -o -iname '*.ctl' \) \
  -exec cp {} "$seeds/" \;

ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  "$BUILD_DIR/zelk_fuzz" -max_total_time="$SECONDS_TO_RUN" -timeout=10 \
  -artifact_prefix="$BUILD_DIR/fuzz-findings/" "$BUILD_DIR/fuzz-corpus" "$seeds"
