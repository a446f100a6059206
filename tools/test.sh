#!/usr/bin/env bash
# Sets up, builds and runs every test through CTest; then the same tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer (in build-sanitize/), and the fuzz target on the
# document reader for a minute (in build-fuzz/).
# Usage: tools/test.sh [--quick]   (--quick: the plain build's tests only)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export QT_QPA_PLATFORM=offscreen

"$here/tools/setup.sh" "$here/build"
ctest --test-dir "$here/build" --output-on-failure -j "$(nproc)"
[ "${1:-}" = "--quick" ] && exit 0

"$here/tools/setup.sh" "$here/build-sanitize" -DMOOTRAK_SANITIZE=ON
ctest --test-dir "$here/build-sanitize" --output-on-failure -j "$(nproc)"

"$here/tools/fuzz.sh" 60
