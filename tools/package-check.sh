#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it as Debian and the desktop would: lintian, the desktop
# entry, the AppStream metadata, and, in the package unpacked into a temporary root, that meeting
# files are known by their type and open with Mootrak.
# Usage: tools/package-check.sh [build-dir]   (default build/, configured by tools/setup.sh)
# Prints one line per check and a count; whatever fails is printed in full, and the script fails.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=$(cd "${1:-$here/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
pass() {
    echo "  ok    $*"
    passed=$((passed + 1))
}
fail() {
    local what=$1
    shift
    echo "  FAIL  $what" >&2
    [ $# -gt 0 ] && printf '%s\n' "$@" | sed 's/^/        /' >&2
    failed=$((failed + 1))
}

for tool in cpack lintian desktop-file-validate appstreamcli dpkg-deb update-mime-database \
            update-desktop-database xdg-mime mimetype gio; do
    if ! command -v "$tool" > /dev/null; then
        echo "package-check: $tool is missing; tools/setup.sh installs it" >&2
        exit 2
    fi
done

# The package, built from an up-to-date build.
if ! cmake --build "$build_dir" -j "$(nproc)" > "$work/build.log" 2>&1; then
    cat "$work/build.log" >&2
    echo "package-check: the build failed" >&2
    exit 1
fi
if ! (cd "$build_dir" && cpack -G DEB) > "$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "package-check: cpack failed" >&2
    exit 1
fi
deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$work/cpack.log")
echo "package-check: ${deb#"$here"/}"

# The package's version is the project's: the changelog and the metadata's newest release must
# name it too.
version=$(dpkg-deb -f "$deb" Version)
changelog_version=$(sed -n '1s/^mootrak (\([^)]*\)).*/\1/p' "$here/packaging/changelog")
metainfo=share/metainfo/org.mootrak.Mootrak.metainfo.xml
release_version=$(grep -o '<release version="[^"]*"' "$here/$metainfo" | head -n 1 | cut -d'"' -f2)
if [ "$changelog_version" = "$version" ] && [ "$release_version" = "$version" ]; then
    pass "version $version in packaging/changelog and $metainfo"
else
    fail "versions differ: the project's is $version, packaging/changelog's newest entry \
${changelog_version:-missing}, $metainfo's newest release ${release_version:-missing}"
fi

# lintian: no error and no warning. The sample meeting's ISO-8859-1 is overridden by the package.
status=0
lintian_output=$(lintian --fail-on error,warning --display-info --pedantic --tag-display-limit 0 \
                 "$deb" 2>&1) || status=$?
lintian_output=$(grep -v '^running with root privileges' <<< "$lintian_output" || true)
if [ "$status" -eq 0 ] && ! grep -q '^[EW]: ' <<< "$lintian_output"; then
    info=$(awk '/^[IP]: / { print $3 }' <<< "$lintian_output" | sort -u | paste -sd ' ' -)
    pass "lintian: no error, no warning${info:+ (information only: $info)}"
else
    fail "lintian" "$lintian_output"
fi

root=$work/root
dpkg-deb -x "$deb" "$root"
prefix=$root/usr

desktop=$prefix/share/applications/org.mootrak.Mootrak.desktop
if output=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$output" ]; then
    pass "desktop-file-validate org.mootrak.Mootrak.desktop"
else
    fail "desktop-file-validate org.mootrak.Mootrak.desktop" "$output"
fi

# The metadata alone, then with the desktop entry and icon it names (validate-tree).
if output=$(appstreamcli validate --no-net "$prefix/share/metainfo/org.mootrak.Mootrak.metainfo.xml" 2>&1 &&
            appstreamcli validate-tree --no-net "$root" 2>&1) &&
   ! grep -Eq '^ *[EW]: ' <<< "$output"; then
    pass "appstreamcli validate --no-net org.mootrak.Mootrak.metainfo.xml, and validate-tree"
else
    fail "appstreamcli validate --no-net org.mootrak.Mootrak.metainfo.xml, and validate-tree" "$output"
fi

missing=()
for size in 16 22 32 48 64 128; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/mootrak.png
    [ "$(file -b "$png" 2>/dev/null | cut -d, -f2)" = " $size x $size" ] || missing+=("$size")
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/mootrak.svg" ] || missing+=(scalable)
if [ ${#missing[@]} -eq 0 ]; then
    pass "icons 16, 22, 32, 48, 64, 128 and scalable"
else
    fail "icons missing or of the wrong size: ${missing[*]}"
fi

# The desktop's view, in the unpacked package: what the file manager's type detection says and
# which program opens the type. Both xdg-mime without a desktop (which asks `mimetype`) and GIO
# (GNOME's and most file managers' detection) are asked, with a home and environment of their own.
# GIO skips a desktop entry whose program is not on the PATH.
home=$work/home
mkdir -p "$home" "$work/files"
desktop_env() {
    env -i PATH="$prefix/bin:$PATH" LANG=C.UTF-8 HOME="$home" XDG_DATA_HOME="$home/.local/share" \
        XDG_CONFIG_HOME="$home/.config" XDG_DATA_DIRS="$prefix/share:/usr/share" \
        XDG_CONFIG_DIRS=/etc/xdg GIO_USE_VFS=local "$@"
}
if ! desktop_env update-mime-database "$prefix/share/mime" > "$work/mime.log" 2>&1 ||
   ! desktop_env update-desktop-database "$prefix/share/applications" >> "$work/mime.log" 2>&1; then
    cat "$work/mime.log" >&2
    echo "package-check: update-mime-database or update-desktop-database failed" >&2
    exit 1
fi

sample=$prefix/share/mootrak/examples/release-planning.xml
cp "$sample" "$work/files/x.meeting.xml"
cp "$sample" "$work/files/minutes"
printf '<?xml version="1.0"?>\n<page>\n <header>Not a meeting</header>\n</page>\n' \
    > "$work/files/other.xml"
meeting_type=application/x-mootrak-meeting+xml
for check in "x.meeting.xml $meeting_type" "minutes $meeting_type" "other.xml application/xml"; do
    read -r name expected <<< "$check"
    by_xdg=$(desktop_env xdg-mime query filetype "$work/files/$name" 2>&1 || true)
    by_gio=$(desktop_env gio info -a standard::content-type "$work/files/$name" 2>&1 |
             sed -n 's/^ *standard::content-type: //p' || true)
    if [ "$by_xdg" = "$expected" ] && [ "$by_gio" = "$expected" ]; then
        pass "$name is $expected"
    else
        fail "$name: expected $expected; xdg-mime says ${by_xdg:-nothing}, gio ${by_gio:-nothing}"
    fi
done

by_xdg=$(desktop_env xdg-mime query default "$meeting_type" 2>&1 || true)
by_gio=$(desktop_env gio mime "$meeting_type" 2>&1 |
         sed -n 's/^Default application for .*: //p' || true)
if [ "$by_xdg" = org.mootrak.Mootrak.desktop ] && [ "$by_gio" = org.mootrak.Mootrak.desktop ]; then
    pass "$meeting_type opens with org.mootrak.Mootrak.desktop"
else
    fail "$meeting_type: expected org.mootrak.Mootrak.desktop; xdg-mime says ${by_xdg:-nothing}, \
gio ${by_gio:-nothing}"
fi

echo "package-check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
