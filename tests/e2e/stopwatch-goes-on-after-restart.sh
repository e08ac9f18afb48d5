#!/usr/bin/env bash
# A stopwatch started in its window is written to config.ini at exit, still running, and goes on from its
# count after a restart.
# Usage: stopwatch-goes-on-after-restart.sh PROGRAM SCREENSHOT_FOLDER
source "$(dirname "$0")/../../scripts/xvfb-session.sh" "$1"
source "$(dirname "$0")/desktop.sh" "${2:-}"

OUTILS_X=71          # "Outils" in the main window's menu bar
START="36 48"        # "Start " in the stopwatch window (57 x 17 at 8, 40)
LABEL="150x20+8+8"   # the count, in window coordinates (bold label at 8, 8)
TOLERANCE_MS=500

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# wait_ms FROM_MS MS: until MS have passed since FROM_MS.
wait_ms() {
    local deadline=$((SECONDS + 10))
    until [ $(( $(now_ms) - $1 )) -ge "$2" ]; do
        [ $SECONDS -lt $deadline ] || fail "$2 ms did not pass"
        sleep 0.05
    done
}

# counted_ms: the stopwatch's count in config.ini, in ms.
counted_ms() {
    local h m s t
    h=$(ini_value chrono heurepass) || fail "config.ini has no [chrono] heurepass"
    m=$(ini_value chrono minpass) || fail "config.ini has no [chrono] minpass"
    s=$(ini_value chrono secpass) || fail "config.ini has no [chrono] secpass"
    t=$(ini_value chrono millipass) || fail "config.ini has no [chrono] millipass"
    echo $(( ((h * 60 + m) * 60 + s) * 1000 + t * 100 ))
}

# expect_near ACTUAL_MS EXPECTED_MS WHAT
expect_near() {
    local d=$(($1 - $2))
    [ ${d#-} -le $TOLERANCE_MS ] || fail "$3: $1 ms counted, about $2 ms expected (± $TOLERANCE_MS)"
}

# label_region SHOT: the label's rectangle on the screen.
label_region() {
    local g w h x y
    read -r -a g <<<"$(geometry "$STOPWATCH")"
    IFS='x+' read -r w h x y <<<"$LABEL"
    echo "${w}x${h}+$((g[0] + x))+$((g[1] + y))"
}

open_stopwatch() {
    choose "$MAIN" $OUTILS_X 1
    STOPWATCH=$(wait_window Chronomètre) || fail "the stopwatch window did not appear"
    expect_designed "$STOPWATCH" Form3
}

# label_changes NAME: two screenshots NAME-a and NAME-b of the label, at most 3 s apart, differ.
label_changes() {
    local region deadline=$((SECONDS + 3))
    region=$(label_region)
    shot "$1-a"
    while :; do
        sleep 0.3
        shot "$1-b"
        same_region "$SHOTS/$TEST_NAME-$1-a.png" "$SHOTS/$TEST_NAME-$1-b.png" "$region" || return 0
        [ $SECONDS -lt $deadline ] || return 1
    done
}

start_program
say "Outils > Chronomètre"
open_stopwatch
shot 1-stopwatch
label_changes 2-before-start && fail "the count changes before Start"

read -r x y <<<"$START"
xdotool mousemove --window "$STOPWATCH" "$x" "$y" mousedown 1 sleep 0.08
started_ms=$(now_ms)
xdotool mouseup 1
say "Start"
label_changes 3-running || fail "the count does not change after Start"
wait_ms "$started_ms" 3000
ran_ms=$(( $(now_ms) - started_ms ))
stop_program
expect_ini chrono start 1
first=$(counted_ms)
say "$first ms counted after $ran_ms ms"
expect_near "$first" "$ran_ms" "at the first exit"

say "second start"
launched_ms=$(now_ms)
start_program
restarted_ms=$(now_ms)   # the window is there: the stopwatch counts since between these two
open_stopwatch
label_changes 4-after-restart || fail "the count does not change after the restart"
wait_ms "$restarted_ms" 2000
stopped_ms=$(now_ms)
ran2_ms=$((stopped_ms - restarted_ms))
stop_program
expect_ini chrono start 1
second=$(counted_ms)
say "$second ms counted after $ran2_ms ms more"
[ "$second" -gt "$first" ] || fail "the count did not go on after the restart ($first ms, then $second ms)"
more=$((second - first)) least=$((ran2_ms - TOLERANCE_MS)) most=$((stopped_ms - launched_ms + TOLERANCE_MS))
[ $more -ge $least ] && [ $more -le $most ] ||
    fail "$more ms counted during the second run, $least to $most ms expected"
say "the stopwatch went on from its count after the restart"
