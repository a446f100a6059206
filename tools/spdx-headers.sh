#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence's SPDX line at the top of every source file that lacks it:
#   // SPDX-License-Identifier: GPL-3.0-or-later   first line of *.cpp and *.h
#   # SPDX-License-Identifier: GPL-3.0-or-later    after the #! line of shell scripts, first line
#                                                  of CMakeLists.txt files
# in src/, tests/, bench/, fuzz/ and tools/ (shell scripts also in .ci/), and every CMakeLists.txt.
# Only files git tracks are touched; a file that has the line in its first three lines is left
# alone, so running it again changes nothing.
# Usage: tools/spdx-headers.sh [--check]
#   --check: change nothing; list the files that lack the line and fail if there are any.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"

licence="SPDX-License-Identifier: GPL-3.0-or-later"
check=false
if [ "${1:-}" = "--check" ]; then
    check=true
elif [ $# -gt 0 ]; then
    echo "Usage: tools/spdx-headers.sh [--check]" >&2
    exit 64
fi

has_line() {
    head -n 3 -- "$1" | grep -Eq "^(//|#) $licence"
}

# Writes the new text back into the same file, so its mode and links stay as they were.
rewrite() {
    local file=$1 text
    text=$(mktemp)
    cat > "$text"
    cat "$text" > "$file"
    rm -f "$text"
}

lacking=()
add() {
    local file=$1 comment=$2
    has_line "$file" && return 0
    lacking+=("$file")
    $check && return 0
    if [ "$comment" = "#" ] && head -c 2 -- "$file" | grep -q '^#!'; then
        { head -n 1 -- "$file"; echo "# $licence"; tail -n +2 -- "$file"; } | rewrite "$file"
    else
        { echo "$comment $licence"; cat -- "$file"; } | rewrite "$file"
    fi
}

# The whole run is read before it starts, as this script may add the line to itself.
main() {
    while IFS= read -r -d '' file; do
        [ -f "$file" ] || continue
        case "$file" in
            *.cpp | *.h)
                add "$file" "//" ;;
            CMakeLists.txt | */CMakeLists.txt)
                add "$file" "#" ;;
            *)
                # Shell scripts, known by their #! line.
                if head -n 1 -- "$file" | grep -Eq '^#!.*\b(ba|da|z|k)?sh\b'; then
                    add "$file" "#"
                fi ;;
        esac
    done < <(git ls-files -z -- src tests bench fuzz tools .ci CMakeLists.txt '*/CMakeLists.txt')

    if $check; then
        if [ ${#lacking[@]} -gt 0 ]; then
            echo "Without the SPDX line:" >&2
            printf '  %s\n' "${lacking[@]}" >&2
            exit 1
        fi
    elif [ ${#lacking[@]} -gt 0 ]; then
        echo "SPDX line added to ${#lacking[@]} files."
    fi
}
main; exit
