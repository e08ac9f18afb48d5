#!/usr/bin/env bash
# The options changed with "OK", the alarm switched on with "Oui" and a stopwatch started are in
# config.ini however the program ends: killed with SIGKILL, or its X server gone (a logout); a second
# start on the same settings brings the running copy to the front and ends by itself.
# Usage: nothing-lost-on-abrupt-end.sh PROGRAM SCREENSHOT_FOLDER
source "$(dirname "$0")/../../scripts/xvfb-session.sh" "$1"
source "$(dirname "$0")/desktop.sh" "${2:-}"

OUTILS_X=71            # "Outils" in the main window's menu bar
CONFIGURATION_X=133    # "Configuration" in the main window's menu bar
OUI_DOT="199 42"       # centre of the "Oui" radio button in the alarm window
START="36 48"          # "Start " in the stopwatch window
RUN_S=25

# Through the windows, as a user does: the stopwatch started, the shake strength to 0 with "OK", "Oui"
# (the alarm window last: it covers the main window's menu).
change_everything() {
    say "Outils > Chronomètre: Start"
    choose "$MAIN" $OUTILS_X 1
    STOPWATCH=$(wait_window Chronomètre) || fail "the stopwatch window did not appear"
    click "$STOPWATCH" $START
    started_at=$SECONDS

    say "Configuration > Options: the track bar to 0, OK"
    choose "$MAIN" $CONFIGURATION_X 1
    OPTIONS=$(wait_window Options) || fail "the options dialog did not appear"
    click "$OPTIONS" 49 90 # the slider's handle
    xdotool key Home
    sleep 0.2
    click "$OPTIONS" 48 188 # OK
    wait_window_count Options 0 || fail "the options dialog stayed after OK"

    say "Outils > Alarme: Oui"
    choose "$MAIN" $OUTILS_X 2
    ALARM=$(wait_window Alarme) || fail "the alarm window did not appear"
    click "$ALARM" $OUI_DOT
    marked "$ALARM" "$OUI_DOT" || fail "\"Oui\" is not checked after a click on it"
}

# expect_everything_kept: config.ini holds the three changes and at least RUN_S - 10 s on the stopwatch,
# and no temporary file is left beside it.
expect_everything_kept() {
    expect_ini option vibreur 0
    expect_ini alarme active 1
    expect_ini chrono start 1
    local counted
    counted=$(( $(ini_value chrono minpass) * 60 + $(ini_value chrono secpass) ))
    [ "$counted" -ge $((RUN_S - 10)) ] || fail "$counted s on the stopwatch after $RUN_S s"
    say "config.ini holds the options, the alarm and $counted s of the stopwatch"
    if compgen -G "$(dirname "$SETTINGS")/.config.ini.*.tmp" >/dev/null; then
        fail "a temporary file is left beside config.ini"
    fi
}

wait_run() {
    while [ $((SECONDS - started_at)) -lt $RUN_S ]; do sleep 0.5; done
}

start_program
change_everything
wait_run
say "kill -9"
kill -9 "$PROGRAM_PID"
wait "$PROGRAM_PID" 2>/dev/null || true
PROGRAM_PID=
expect_everything_kept

say "a start, then a second one on the same settings"
start_program
"$PROGRAM" >>"$WORK/second.log" 2>&1 &
second=$!
for _ in $(seq 100); do kill -0 $second 2>/dev/null || break; sleep 0.05; done
kill -0 $second 2>/dev/null && fail "the second copy still runs 5 s after its start"
rc=0
wait $second || rc=$?
[ $rc -eq 0 ] || fail "the second copy ended with exit code $rc"
program_running || fail "the first copy ended when the second started"
[ "$(windows_titled Vantorel | wc -l)" -eq 1 ] || fail "more than one main window"
say "the second copy ended by itself with exit code 0, the first goes on"
stop_program

say "the X server goes away under a fresh start"
rm -f "$SETTINGS"
start_program
change_everything
wait_run
kill "$xvfb_pid"
for _ in $(seq 100); do program_running || break; sleep 0.05; done
program_running && fail "still running 5 s after its X server went away"
wait "$PROGRAM_PID" 2>/dev/null || true
PROGRAM_PID=
expect_everything_kept
