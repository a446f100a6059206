#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test through CTest; then the same tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer (in build-sanitize/), the fuzz target on the
# document reader for a minute (in build-fuzz/), and the Debian package's check
# (tools/package-check.sh) when its tools are installed, as tools/setup.sh does.
# Usage: tools/test.sh [--quick]   (--quick: the plain build's tests only)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export QT_QPA_PLATFORM=offscreen

"$here/tools/spdx-headers.sh" --check # every source file carries the licence's line
"$here/tools/setup.sh" "$here/build"
ctest --test-dir "$here/build" --output-on-failure -j "$(nproc)"
[ "${1:-}" = "--quick" ] && exit 0

"$here/tools/setup.sh" "$here/build-sanitize" -DMOOTRAK_SANITIZE=ON
ctest --test-dir "$here/build-sanitize" --output-on-failure -j "$(nproc)"

"$here/tools/fuzz.sh" 60

package_tools=(lintian desktop-file-validate appstreamcli update-mime-database
               update-desktop-database xdg-mime mimetype gio)
for tool in "${package_tools[@]}"; do
    if ! command -v "$tool" > /dev/null; then
        echo "Package check skipped: $tool is missing (tools/setup.sh installs it)"
        exit 0
    fi
done
"$here/tools/package-check.sh" "$here/build"
