#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer target in build-fuzz/ with clang and runs it on the document reader.
# Usage: tools/fuzz.sh [seconds]   (default 60)
# The corpus grows in build-fuzz/corpus, seeded with the test documents; a finding is written to
# build-fuzz/ as crash-*, oom-* or timeout-* and the script fails.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="$here/build-fuzz"
seconds=${1:-60}

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    CXX=clang++ cmake -S "$here" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DMOOTRAK_FUZZ=ON
fi
cmake --build "$build_dir" --target fuzz_open -j "$(nproc)"

mkdir -p "$build_dir/corpus"
cp "$here"/tests/document/data/*.xml "$here"/share/examples/*.xml "$build_dir/corpus/" 2>/dev/null || true

cd "$build_dir"
export TZ=UTC ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$here/fuzz/lsan.supp:print_suppressions=0"
fuzz/fuzz_open -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=4096 \
    -print_final_stats=1 corpus
