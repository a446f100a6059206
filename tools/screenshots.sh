#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the pictures for the documentation: Mootrak runs under Xvfb with the sample meeting
# share/examples/release-planning.xml and is driven with xdotool.
# Usage: tools/screenshots.sh [output-folder]      (default: build/screenshots)
# Writes main-window.png, wizard.png, person-dialog.png and printed-page.png there.
# Needs xvfb-run (xvfb), xdotool, import (imagemagick) and pdftoppm (poppler-utils).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
self="$here/tools/$(basename "${BASH_SOURCE[0]}")"
app="$here/build/mootrak"
sample="$here/share/examples/release-planning.xml"

fail() {
    echo "screenshots: $*" >&2
    exit 1
}

# ---------------------------------------------------------------------------------------------
# The part that runs inside the X server: start Mootrak, one function per scene, quit.
# ---------------------------------------------------------------------------------------------
out=""      # the output folder
work=""     # the scratch folder
app_pid=""  # global: the EXIT trap runs after the scenes' local variables are gone
main=""     # Mootrak's main window
wizard=""   # the new-meeting wizard, from the person dialog's scene to its own

stop_app() {
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    app_pid=""
}

die() {
    echo "screenshots: $*" >&2
    if [ -s "$work/mootrak.log" ]; then
        echo "screenshots: last lines Mootrak wrote:" >&2
        tail -n 20 "$work/mootrak.log" >&2
    fi
    exit 1
}

# Prints the id of the first visible window whose title matches $1, waiting up to $2 seconds.
# A polling loop rather than "search --sync": that one waits for ever when a step goes wrong.
wait_window() {
    local name=$1 seconds=${2:-10} id i
    for ((i = 0; i < seconds * 10; i++)); do
        [ -n "$app_pid" ] && ! kill -0 "$app_pid" 2>/dev/null && die "Mootrak quit while waiting for \"$name\""
        id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    die "no window \"$name\" after $seconds s"
}

# Waits until window $1 is closed or hidden.
wait_closed() {
    local id=$1 what=$2 i
    for ((i = 0; i < 100; i++)); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' || return 0
        sleep 0.1
    done
    die "$what did not close"
}

# Takes window $1 alone, so the picture has exactly the window's size and no black border.
# The short sleep lets Qt finish painting after the last key or resize.
shoot() {
    sleep 0.5
    import -window "$1" "$out/$2"
    echo "wrote $out/$2 ($(identify -format '%wx%h' "$out/$2"))"
}

# Types into the focused widget; a short delay per key so no key gets lost.
type_text() {
    xdotool type --delay 12 -- "$1"
}

# Mootrak started in share/ with a scratch home, its main window enlarged.
start_mootrak() {
    # Mootrak and Qt's dialogs write settings, caches and a runtime folder under the home folder;
    # all of that goes into the scratch folder so a run leaves nothing behind.
    export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
           XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # The outer part waits for this display's X server to be gone before it returns.
    echo "${DISPLAY#:}" >"$work/display"
    # Mootrak's diagnostic traces would only fill the log.
    export QT_LOGGING_RULES="default.debug=false"
    trap stop_app EXIT

    # The program finds its stylesheet in the folder it starts in, so it runs in share/.
    cd "$here/share"
    ../build/mootrak >"$work/mootrak.log" 2>&1 &
    app_pid=$!

    main=$(wait_window "Decision tracker" 20)
    # Larger than the first size, so the detail panel's lists show whole rows.
    xdotool windowsize --sync "$main" 1000 760
    xdotool windowfocus --sync "$main"
}

open_sample() {
    local dialog i
    xdotool key ctrl+o
    dialog=$(wait_window '^Open$')
    xdotool windowfocus --sync "$dialog"
    type_text "$sample"
    xdotool key Return
    wait_closed "$dialog" "The Open dialog"
    # The title turns into the meeting's subject once the document is read; an error box keeps it.
    for ((i = 0; i < 50; i++)); do
        [ "$(xdotool getwindowname "$main")" != "Decision tracker" ] && break
        sleep 0.1
    done
    [ "$(xdotool getwindowname "$main")" != "Decision tracker" ] || die "the sample did not open"
}

# The meeting expanded, "Crash when printing long reports" selected.
scene_main_window() {
    # A click in the empty part of the tree gives it the focus without depending on row heights;
    # Home selects the meeting, Right expands it, and the tree's type-ahead search finds the
    # problem whatever order the problems show in.
    xdotool windowfocus --sync "$main"
    xdotool mousemove --window "$main" 78 500 click 1
    sleep 0.2
    xdotool key Home Right
    sleep 0.2
    type_text "Crash"
    shoot "$main" main-window.png
}

# The selected meeting printed to a PDF, its first page as a picture.
scene_printed_page() {
    # Alt+N puts the focus on the printer list and End picks its last entry, "Print to File (PDF)"
    # (typing the name would open the list's popup at the first space). Alt+F goes to the file name.
    local pdf="$work/meeting.pdf" dialog i
    xdotool key ctrl+p
    dialog=$(wait_window '^Print$')
    xdotool windowfocus --sync "$dialog"
    xdotool key alt+n End alt+f ctrl+a
    type_text "$pdf"
    xdotool key Return
    wait_closed "$dialog" "The print dialog"
    # The report is written after the dialog closes; wait until the PDF is complete.
    for ((i = 0; i < 100; i++)); do
        [ -s "$pdf" ] && pdfinfo "$pdf" >/dev/null 2>&1 && break
        sleep 0.1
    done
    [ -s "$pdf" ] || die "printing made no PDF"
    pdftoppm -png -r 60 -singlefile "$pdf" "$out/printed-page"
    echo "wrote $out/printed-page.png ($(identify -format '%wx%h' "$out/printed-page.png"))"
}

# The new-meeting wizard's header filled in, and the person dialog with a participant.
scene_person_dialog() {
    local dialog person
    xdotool windowfocus --sync "$main"
    xdotool key ctrl+n
    # With a meeting loaded Mootrak first asks whether to add or replace; Return means Add.
    dialog=$(wait_window '^Add or Replace' 5)
    xdotool windowfocus --sync "$dialog"
    xdotool key Return
    wizard=$(wait_window '^New Subject$')
    # At its first size the participant's phone and e-mail columns are cut short.
    xdotool windowsize --sync "$wizard" 640 400
    xdotool windowfocus --sync "$wizard"
    type_text "Design review of the 2.0 installer"
    xdotool key Tab
    type_text "Room 2, Berlin office"
    xdotool key alt+a
    person=$(wait_window '^New person$')
    xdotool windowfocus --sync "$person"
    type_text "Maria"; xdotool key Tab
    type_text "Keller"; xdotool key Tab
    type_text "Technical writer"; xdotool key Tab
    type_text "maria.keller@example.org"; xdotool key Tab
    type_text "+49 30 555 05 50"
    shoot "$person" person-dialog.png
    xdotool key Return
    wait_closed "$person" "The person dialog"
}

# The wizard with the participant just added; then it is cancelled.
scene_wizard() {
    # Without a window manager the focus does not go back to the wizard by itself.
    xdotool windowfocus --sync "$wizard"
    shoot "$wizard" wizard.png
    xdotool key Escape
    wait_closed "$wizard" "The wizard"
}

quit_mootrak() {
    stop_app
    trap - EXIT
}

# ---------------------------------------------------------------------------------------------
# The outer part: check what is needed, make a scratch folder, start the X server, which runs
# this script again for the scenes.
# ---------------------------------------------------------------------------------------------
clean_up() {
    # xvfb-run only signals its X server and returns; wait until the server has removed its lock
    # file, so no X server outlives the script.
    local display i
    display=$(cat "$work/display" 2>/dev/null || true)
    if [ -n "$display" ]; then
        for ((i = 0; i < 50; i++)); do
            [ -e "/tmp/.X$display-lock" ] || break
            sleep 0.1
        done
    fi
    rm -rf "$work"
}

take_screenshots() {
    [ -x "$app" ] || fail "no program at build/mootrak; build first: tools/run.sh or tools/setup.sh"
    [ -f "$sample" ] || fail "the sample meeting share/examples/release-planning.xml is missing"
    for tool in xvfb-run xdotool xwininfo import identify pdftoppm pdfinfo; do
        command -v "$tool" >/dev/null || fail "$tool is missing (Debian packages: xvfb xdotool x11-utils imagemagick poppler-utils)"
    done

    out=${1:-"$here/build/screenshots"}
    mkdir -p "$out"
    out=$(cd "$out" && pwd)
    # Pictures of an earlier run must not pass for new ones when this run stops half-way.
    rm -f "$out"/{main-window,wizard,person-dialog,printed-page}.png

    # Holds the PDF, the log and the settings Qt writes while the program runs.
    work=$(mktemp -d)
    trap clean_up EXIT

    start=$SECONDS
    # -a picks a free display number, so a second X server on the machine does not get in the way.
    xvfb-run -a -s "-screen 0 1024x800x24" "$self" --inside-xvfb "$out" "$work"
    echo "done in $((SECONDS - start)) s: $out"
}

if [ "${1:-}" = "--inside-xvfb" ]; then
    out=$2 work=$3
    start_mootrak
    open_sample
    scene_main_window
    scene_printed_page
    scene_person_dialog
    scene_wizard
    quit_mootrak
else
    take_screenshots "$@"
fi
