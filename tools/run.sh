#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts Mootrak. It runs in share/, where it finds the stylesheet mootrak.xsl.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/tools/setup.sh" --run-only "$here/build"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Mootrak is built, but it cannot start: there is no display (DISPLAY is not set)." >&2
    echo "Run it inside an X11 or Wayland session." >&2
    exit 1
fi

cd "$here/share"
exec "$here/build/mootrak" "$@"
