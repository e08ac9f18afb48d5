#!/usr/bin/env bash
# A countdown set through the countdown window and its setup dialog opens its file on time and shows its
# message; a countdown left running at exit is written to config.ini and goes on by itself after a restart.
# Usage: countdown-set-through-dialogs.sh PROGRAM SCREENSHOT_FOLDER
source "$(dirname "$0")/../../scripts/xvfb-session.sh" "$1"
source "$(dirname "$0")/desktop.sh" "${2:-}"

# Places in the windows (window coordinates: no frame without a window manager).
OUTILS_X=71                # "Outils" in the main window's menu bar
NEW_COUNTDOWN="120 52"     # "Comencez un nouveau compte à rebours" in the countdown window
MINUTES_UP="158 84"        # upper half of the minutes up-down (13 x 17 at 152, 80) in the setup dialog
SECONDS_UP="158 116"       # upper half of the seconds up-down (at 152, 112)
SECONDS_DOWN="158 125"     # its lower half
CHOOSE="124 152"           # "Choisir..."
MESSAGE_BOX="14 208"       # "Lancer un message : " check box
MESSAGE_EDIT="196 210"     # the edit beside it
START="32 248"             # "Start"
EMPTY_SPOT="220 120"       # nothing there, right of the up-downs
MESSAGE="Fini"
TOLERANCE_MS=600

marker_script=$WORK/marker.sh
marker=$WORK/countdown-ended
printf '#!/bin/sh\ndate +%%s.%%N >"%s.tmp"\nmv "%s.tmp" "%s"\n' "$marker" "$marker" "$marker" >"$marker_script"
chmod +x "$marker_script"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# click_times WINDOW "X Y" COUNT: COUNT clicks at one place, a little apart.
click_times() {
    local x y
    read -r x y <<<"$2"
    xdotool mousemove --window "$1" "$x" "$y" click --repeat "$3" --delay 120 1
    sleep 0.3
}

# press_start: clicks "Start" of the setup dialog and prints the time (ms) of the button's release.
press_start() { echo $(($(press "$SETUP" "$START") / 1000)); }

# open_setup: the countdown window's button, Yes in the "Attention..." box; sets SETUP.
open_setup() {
    click "$COUNTDOWN" $NEW_COUNTDOWN
    wait_window "Attention..." >/dev/null || fail "no \"Attention...\" box after the countdown window's button"
    shot "$1-attention"
    xdotool key Return
    wait_window_count "Attention..." 0 || fail "the \"Attention...\" box stayed after Enter"
    SETUP=$(wait_window "Définir Compte à rebours") || fail "no setup dialog after Yes"
    expect_designed "$SETUP" Form5
    focus_by_click "$SETUP" $EMPTY_SPOT
}

# total_seconds: the countdown left in config.ini, in seconds.
total_seconds() {
    local h m s
    h=$(ini_value rebours heure) || fail "config.ini has no [rebours] heure"
    m=$(ini_value rebours minute) || fail "config.ini has no [rebours] minute"
    s=$(ini_value rebours seconde) || fail "config.ini has no [rebours] seconde"
    echo $((h * 3600 + m * 60 + s))
}

start_program

say "Outils > Compte à rebours"
choose "$MAIN" $OUTILS_X 3
COUNTDOWN=$(wait_window "Compte à rebours") || fail "the countdown window did not appear"
expect_designed "$COUNTDOWN" Form4
shot 1-countdown-window

say "a countdown of 5 seconds"
open_setup 2
click_times "$SETUP" "$SECONDS_UP" 5
click "$SETUP" $CHOOSE
wait_window Ouvrir >/dev/null || fail "no file dialog after \"Choisir...\""
xdotool key ctrl+a
type_text "$marker_script"
xdotool key Return
wait_window_count Ouvrir 0 || fail "the file dialog stayed after Enter"
focus_by_click "$SETUP" $EMPTY_SPOT
click "$SETUP" $MESSAGE_BOX
marked "$SETUP" "$MESSAGE_BOX" || fail "\"Lancer un message : \" is not checked after a click on it"
click "$SETUP" $MESSAGE_EDIT
xdotool key ctrl+a
type_text "$MESSAGE"
shot 3-setup-5s
started_ms=$(press_start)
wait_window_count "Définir Compte à rebours" 0 || fail "the setup dialog stayed after Start"
say "started"

wait_file "$marker" 15 || fail "the countdown did not open its file within 15 s of Start"
IFS=. read -r ended_s ended_ns <"$marker"
ended_ms=$((ended_s * 1000 + 10#${ended_ns:0:3}))
took_ms=$((ended_ms - started_ms))
say "the file was opened $took_ms ms after Start"
[ $took_ms -ge $((5000 - TOLERANCE_MS)) ] && [ $took_ms -le $((5000 + TOLERANCE_MS)) ] ||
    fail "the file was opened $took_ms ms after Start, 5000 ms expected (± $TOLERANCE_MS)"
ALERT=$(wait_window "Alerte..." 1 10) || fail "no \"Alerte...\" box at the end"
shot 4-alert
xdotool windowfocus "$ALERT" 2>/dev/null || true
has_focus "$ALERT" 3 || true
xdotool key Return
wait_window_count "Alerte..." 0 || fail "the \"Alerte...\" box stayed after Enter"

say "a countdown of 1 minute"
open_setup 5
click_times "$SETUP" "$SECONDS_DOWN" 5
click "$SETUP" $MINUTES_UP
shot 6-setup-1min
started_ms=$(press_start)
wait_window_count "Définir Compte à rebours" 0 || fail "the setup dialog stayed after Start"
deadline=$((SECONDS + 10))
until [ $(( $(now_ms) - started_ms )) -ge 3000 ]; do
    [ $SECONDS -lt $deadline ] || fail "3 s did not pass"
    sleep 0.1
done
shot 7-running
stopped_ms=$(now_ms)
stop_program
expect_ini rebours heure 0
expect_ini rebours minute 0
left=$(total_seconds)
say "stopped $((stopped_ms - started_ms)) ms after Start with $left s left"
[ $left -ge 56 ] && [ $left -le 57 ] || fail "$left s left about 3 s after the start of 60 s, 56 or 57 expected"
rm -f "$marker"

say "second start"
start_program
restarted_ms=$(now_ms)
deadline=$((SECONDS + 10))
until [ $(( $(now_ms) - restarted_ms )) -ge 2500 ]; do
    [ $SECONDS -lt $deadline ] || fail "2.5 s did not pass"
    sleep 0.1
done
shot 8-after-restart
[ -z "$(windows_titled "Définir Compte à rebours")" ] || fail "the setup dialog is shown after the restart"
stop_program
left_after=$(total_seconds)
say "$left_after s left after 2.5 s of the second start"
[ $left_after -ge $((left - 3)) ] && [ $left_after -le $((left - 2)) ] ||
    fail "$left_after s left after 2.5 s of the second start, $((left - 3)) to $((left - 2)) expected (from $left)"
[ -e "$marker" ] && fail "the countdown opened its file again after the restart"
say "the countdown went on by itself after the restart"
