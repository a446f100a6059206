#!/usr/bin/env bash
# Sets up, builds and runs every test through CTest.
# Usage: tools/test.sh [--sanitize]   (--sanitize: AddressSanitizer and UBSan, in build-sanitize/)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="$here/build"
cmake_args=()
if [ "${1:-}" = "--sanitize" ]; then
    build_dir="$here/build-sanitize"
    cmake_args=(-DMOOTRAK_SANITIZE=ON)
fi

"$here/tools/setup.sh" "$build_dir" "${cmake_args[@]}"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
