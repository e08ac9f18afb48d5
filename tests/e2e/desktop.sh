# Sourced after xvfb-session.sh: the program as a person drives it (start, windows, menus, clicks, keys),
# screenshots, config.ini. Every wait is a bounded poll.
# Usage: source desktop.sh SCREENSHOT_FOLDER
# Sets: SETTINGS (the copy's config.ini), PROGRAM_PID, MAIN (the main window's id, after start_program).

SHOTS=${1:-$WORK/shots}
TEST_NAME=$(basename "$0" .sh)
SETTINGS=$(dirname "$PROGRAM")/config.ini
PROGRAM_PID=
MAIN=
mkdir -p "$SHOTS"
rm -f "$SHOTS/$TEST_NAME"-*.png

# The program goes first when the session ends, then the X server and the copy (xvfb-session.sh's trap).
third_word() { echo "${3:-}"; }
session_cleanup=$(eval "third_word $(trap -p EXIT)")
trap 'end_program_if_running; '"$session_cleanup" EXIT

say() { echo "[$(date +%T)] $*"; }

# within SECONDS COMMAND...: COMMAND succeeds at some moment within SECONDS, asked every 50 ms.
within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

shot() { import -window root "$SHOTS/$TEST_NAME-$1.png"; }

fail() {
    echo "FAILED: $*"
    shot failure 2>/dev/null || true
    echo "screenshot: $SHOTS/$TEST_NAME-failure.png"
    if [ -s "$WORK/program.log" ]; then echo "--- program output"; cat "$WORK/program.log"; fi
    exit 1
}

faketime_library() {
    local lib
    for lib in /usr/lib/*/faketime/libfaketimeMT.so.1 /usr/lib/faketime/libfaketimeMT.so.1; do
        [ -e "$lib" ] && { echo "$lib"; return 0; }
    done
    return 1
}

# start_program [FAKE_START]: FAKE_START "YYYY-MM-DD hh:mm:ss" starts the wall clock there (libfaketime);
# the monotonic clock stays real, so the event loop's timers run as usual.
start_program() {
    if [ -n "${1:-}" ]; then start_faked FAKETIME="@$1"; else launch; fi
}

# start_program_on_clock FILE: the wall clock set off by the seconds FILE holds ("+3600", "-10"), read at
# every reading of the clock, so that the test moves it while the program runs.
start_program_on_clock() { start_faked FAKETIME_TIMESTAMP_FILE="$1" FAKETIME_NO_CACHE=1; }

start_faked() {
    local lib
    lib=$(faketime_library) || fail "libfaketime not found (package faketime)"
    launch env LD_PRELOAD="$lib" FAKETIME_DONT_FAKE_MONOTONIC=1 "$@"
}

launch() {
    "$@" "$PROGRAM" >>"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
    MAIN=$(wait_window Vantorel) || fail "no window titled Vantorel appeared"
}

# wait_first_tick: the main window's first clock tick has drawn the face (blank before it), at most 5 s.
wait_first_tick() {
    local deadline=$((SECONDS + 5)) mx my png=$WORK/tick.png
    while :; do
        read -r mx my _ <<<"$(geometry "$MAIN")"
        import -window root "$png"
        # The face: client 11, 9, 57 x 57, under the menu bar.
        [ "$(colours_in "$png" "57x57+$((mx + 11))+$((my + 27))")" -gt 4 ] && return 0
        [ $SECONDS -lt $deadline ] || fail "no clock face 5 s after the start"
        sleep 0.1
    done
}

program_running() {
    local state
    state=$(ps -o stat= -p "$PROGRAM_PID" 2>/dev/null) || return 1
    [[ $state != Z* ]]
}

# stop_program [SECONDS]: SIGTERM, then the exit code must be 0 within SECONDS (default 10).
stop_program() {
    local limit=${1:-10} started rc=0
    started=$(date +%s%N)
    kill -TERM "$PROGRAM_PID"
    local deadline=$((SECONDS + limit))
    while program_running; do
        [ $SECONDS -lt $deadline ] || fail "still running ${limit} s after SIGTERM"
        sleep 0.05
    done
    wait "$PROGRAM_PID" || rc=$?
    PROGRAM_PID=
    [ $rc -eq 0 ] || fail "exit code $rc after SIGTERM"
    say "ended with exit code 0, $(( ($(date +%s%N) - started) / 1000000 )) ms after SIGTERM"
}

# program_thread PREFIX: one of the program's threads has a name starting with PREFIX.
program_thread() {
    local comm
    for comm in /proc/"$PROGRAM_PID"/task/*/comm; do
        [[ $(cat "$comm" 2>/dev/null) == "$1"* ]] && return 0
    done
    return 1
}

end_program_if_running() {
    if [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
        kill -9 "$PROGRAM_PID" 2>/dev/null
        wait "$PROGRAM_PID" 2>/dev/null || true
    fi
}

# Visible windows titled exactly TITLE, one id a line. The title read is _NET_WM_NAME, UTF-8 whatever the
# locale: xdotool's --name looks at WM_NAME, which Qt writes in the program's character set, so under a
# locale that isn't UTF-8 an accented title would not match.
windows_titled() {
    local id
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && echo "$id"
    done
    return 0
}

# wait_window TITLE [COUNT [SECONDS]]: waits until COUNT (default 1) windows titled TITLE are visible and
# prints the id of the newest one.
wait_window() {
    local title=$1 count=${2:-1} deadline=$((SECONDS + ${3:-20})) ids
    while :; do
        ids=$(windows_titled "$title")
        if [ -n "$ids" ] && [ "$(wc -l <<<"$ids")" -ge "$count" ]; then
            tail -n 1 <<<"$ids"
            return 0
        fi
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# wait_window_count TITLE COUNT [SECONDS]: waits until exactly COUNT windows titled TITLE are visible.
wait_window_count() {
    local deadline=$((SECONDS + ${3:-10})) ids n
    while :; do
        ids=$(windows_titled "$1")
        n=0; [ -n "$ids" ] && n=$(wc -l <<<"$ids")
        [ "$n" -eq "$2" ] && return 0
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# The first visible window titled TITLE that isn't one of the ids given after it.
other_window() {
    local title=$1 id
    shift
    for id in $(windows_titled "$title"); do
        [[ " $* " == *" $id "* ]] || { echo "$id"; return 0; }
    done
    return 1
}

# Prints "X Y WIDTH HEIGHT" of a window.
geometry() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    echo "$X $Y $WIDTH $HEIGHT"
}

# expect_designed WINDOW FORM: the window stands where tests/designed-windows.txt puts FORM, at its size.
expect_designed() {
    local name left top width height menu caption actual
    read -r name left top width height menu caption < <(grep "^$2 " "$(dirname "${BASH_SOURCE[0]}")/../designed-windows.txt")
    actual=$(geometry "$1")
    [ "$actual" = "$left $top $width $((height + menu))" ] ||
        fail "$caption at $actual, designed $left $top $width $((height + menu))"
}

# click WINDOW X Y: a left click at X, Y of the window (without a window manager there is no frame), the
# button held down a moment as a hand does.
click() {
    xdotool mousemove --window "$1" "$2" "$3" mousedown 1 sleep 0.08 mouseup 1
    sleep 0.2
}

# focus_by_click WINDOW X Y: clicks an empty spot of a window and waits until it has the keyboard focus.
# Without a window manager nothing gives the focus back to a window when a dialog it opened (file, font,
# colour) closes, and now and then a click doesn't either: the focus is then set as a window manager
# would set it.
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
has_focus() { within "$2" focused "$1"; }

focus_by_click() {
    click "$1" "$2" "$3"
    has_focus "$1" 2 && return 0
    say "window $1 did not take the focus after a click on it; given as a window manager would"
    xdotool windowfocus "$1"
    has_focus "$1" 3 || fail "window $1 does not take the focus"
    sleep 0.3
}

# click_from_corner WINDOW DX DY: a left click DX left of and DY above the bottom-right corner of a
# window (the buttons of Qt's common dialogs sit there whatever the dialog's size).
click_from_corner() {
    local g
    read -r -a g <<<"$(geometry "$1")"
    click "$1" $((g[2] - $2)) $((g[3] - $3))
}

# A Qt popup menu is a visible window that bypasses the window manager (override-redirect).
popup_menu_shown() {
    local id
    for id in $(xdotool search --onlyvisible --class '' 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
    done
    return 1
}

wait_popup_menu() { within 10 popup_menu_shown; }

# choose WINDOW X ITEM: clicks the menu bar title at X (middle of the bar's height) and takes the ITEM-th
# entry of the menu that drops down (1 = first) with the arrow keys and Enter.
choose() {
    click "$1" "$2" 8
    wait_popup_menu || fail "no menu dropped down at x $2 of window $1"
    local i
    for ((i = 0; i < $3; i++)); do xdotool key Down; done
    sleep 0.1
    xdotool key Return
    sleep 0.3
}

# type_text TEXT: types into the focused control. Plain ASCII only: xdotool types other characters by
# rebinding a key for a moment, and under load the program may read the key after it was bound back.
type_text() {
    xdotool type --delay 8 -- "$1"
    sleep 0.2
}

# wait_file PATH [SECONDS]
wait_file() { within "${2:-20}" test -e "$1"; }

# Number of distinct colours in the screen rectangle WIDTHxHEIGHT+X+Y of a screenshot.
colours_in() { convert "$1" -crop "$2" +repage -format %k info:; }

# The colour at X,Y of a screenshot, as "#RRGGBB".
colour_at() { convert "$1" -format "#%[hex:p{$2,$3}]" info: | cut -c1-7 | tr A-F a-f; }

# same_region SHOT1 SHOT2 WIDTHxHEIGHT+X+Y: both screenshots hold the same pixels there.
same_region() {
    [ "$(convert "$1" -crop "$3" +repage rgb:- | md5sum)" = "$(convert "$2" -crop "$3" +repage rgb:- | md5sum)" ]
}

# marked WINDOW "X Y": the radio button or check box centred at X, Y of the window shows its mark (the dot
# or the tick darkens the 9 x 9 pixels round its centre).
marked() {
    local g x y png=$WORK/probe.png
    read -r -a g <<<"$(geometry "$1")"
    read -r x y <<<"$2"
    import -window root "$png"
    awk -v m="$(convert "$png" -crop 9x9+$((g[0] + x - 4))+$((g[1] + y - 4)) +repage -format '%[fx:mean]' info:)" \
        'BEGIN { exit !(m < 0.9) }'
}

# ini_value SECTION KEY: the value in the copy's config.ini (section and key without regard to case).
ini_value() {
    [ -f "$SETTINGS" ] || return 1
    awk -v section="$1" -v key="$2" '
        BEGIN { section = tolower(section); key = tolower(key) }
        /^\[.*\]/ { inside = tolower(substr($0, 2, index($0, "]") - 2)) == section; next }
        inside && index($0, "=") {
            if (tolower(substr($0, 1, index($0, "=") - 1)) == key) { print substr($0, index($0, "=") + 1); found = 1; exit }
        }
        END { exit !found }' "$SETTINGS"
}

# expect_ini SECTION KEY VALUE
expect_ini() {
    local actual
    actual=$(ini_value "$1" "$2") || fail "config.ini has no [$1] $2"
    [ "$actual" = "$3" ] || fail "config.ini [$1] $2=$actual, expected $3"
}

# press WINDOW "X Y": a click held down a moment; prints the real time (µs) right before the release,
# which is when a button acts.
press() {
    local x y t
    read -r x y <<<"$2"
    xdotool mousemove --window "$1" "$x" "$y" mousedown 1 sleep 0.08
    t=${EPOCHREALTIME//[.,]/}
    xdotool mouseup 1
    echo "$t"
}
