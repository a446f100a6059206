#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Mootrak needs (only those missing), then configures and builds.
# Usage: tools/setup.sh [--run-only] [build-dir] [extra cmake arguments...]
#   --run-only: only what building and running Mootrak needs (tools/run.sh); without it also
#   what the tests, the benchmarks, the fuzz target, the Debian package and the screenshots need.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
run_only=false
if [ "${1:-}" = "--run-only" ]; then
    run_only=true
    shift
fi
build_dir=${1:-"$here/build"}
shift || true

# Building (the icons come from tango-icon-theme, rsvg-convert renders the program's icon at the
# sizes the theme lacks, help2man writes the manual page) and running (xsltproc renders the
# notification's page, xdg-utils hands mail to the desktop's mail program).
run_packages=(cmake g++ make qt6-base-dev libgl-dev tango-icon-theme libical-dev pkg-config
              xsltproc xdg-utils librsvg2-bin help2man)
# The printing tests and the screenshots read PDFs (poppler-utils); the benchmarks, the fuzz
# target (clang) and cpack (dpkg-dev, file) need the next ones; tools/package-check.sh the rest:
# lintian, desktop-file-validate, appstreamcli, update-mime-database, and the desktop's type
# detection through xdg-mime (mimetype, from libfile-mimeinfo-perl) and GIO (gio).
development_packages=(poppler-utils libbenchmark-dev clang libclang-rt-14-dev dpkg-dev file
                      lintian desktop-file-utils appstream shared-mime-info libfile-mimeinfo-perl
                      libglib2.0-bin)

packages=("${run_packages[@]}")
if ! $run_only; then
    packages+=("${development_packages[@]}")
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Configure on the first run, and again whenever CMake arguments are given (say -DMOOTRAK_BENCH=ON).
if [ ! -f "$build_dir/CMakeCache.txt" ] || [ $# -gt 0 ]; then
    cmake -S "$here" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build "$build_dir" -j "$(nproc)"
