#!/usr/bin/env bash
# Installs the Debian packages Mootrak needs (only those missing), then configures and builds.
# Usage: tools/setup.sh [build-dir] [extra cmake arguments...]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${1:-"$here/build"}
shift || true

packages=(cmake g++ make qt6-base-dev libgl-dev xsltproc poppler-utils libbenchmark-dev
          tango-icon-theme clang libclang-rt-14-dev dpkg-dev file libical-dev pkg-config
          xdg-utils)

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
