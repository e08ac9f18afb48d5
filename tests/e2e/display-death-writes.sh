#!/usr/bin/env bash
# The display's death writes config.ini at that moment, on X11 and on Wayland: a stopwatch runs for 8 s,
# then the X server or the Wayland compositor is killed, and config.ini holds at least 6 s of it. The
# write every 9 s alone can't give that: its first one comes at the first tick.
# Usage: display-death-writes.sh PROGRAM SCREENSHOT_FOLDER
source "$(dirname "$0")/../../scripts/xvfb-session.sh" "$1"
source "$(dirname "$0")/desktop.sh" "${2:-}"

RUN_S=8

# kill_display_after_run PID: kills the display (SIGKILL, as in a crash) RUN_S s after the start, then the
# program must end by itself within 5 s with Qt's exit code 1 and config.ini hold RUN_S - 2 s or more.
kill_display_after_run() {
    while [ $((SECONDS - started_at)) -lt $RUN_S ]; do sleep 0.1; done
    kill -KILL "$1"
    for _ in $(seq 100); do program_running || break; sleep 0.05; done
    program_running && fail "still running 5 s after its display was killed"
    local rc=0
    wait "$PROGRAM_PID" 2>/dev/null || rc=$?
    PROGRAM_PID=
    [ $rc -eq 1 ] || fail "exit code $rc after the display's death"
    local counted
    counted=$(( $(ini_value chrono minpass) * 60 + $(ini_value chrono secpass) ))
    [ "$counted" -ge $((RUN_S - 2)) ] || fail "$counted s on the stopwatch after $RUN_S s"
    say "config.ini holds $counted s of the stopwatch"
}

say "X11: a running stopwatch, the X server killed"
printf '[chrono]\nstart=1\n' >"$SETTINGS"
started_at=$SECONDS
start_program
kill_display_after_run "$xvfb_pid"

say "Wayland: the same under weston's headless back end, the compositor killed"
printf '[chrono]\nstart=1\n' >"$SETTINGS"
socket=vantorel-e2e-$$
weston --backend=headless-backend.so --no-config --idle-time=0 --socket="$socket" >"$WORK/weston.log" 2>&1 &
weston_pid=$!
STARTED+=("$weston_pid")
wait_file "$XDG_RUNTIME_DIR/$socket" 10 || fail "weston did not start: $(cat "$WORK/weston.log")"
started_at=$SECONDS
env -u DISPLAY WAYLAND_DISPLAY="$socket" "$PROGRAM" >>"$WORK/program.log" 2>&1 &
PROGRAM_PID=$!
# Connected: Qt's Wayland plugin reads the compositor's events on threads of its own.
for _ in $(seq 100); do program_thread WaylandEvent && break; sleep 0.05; done
program_thread WaylandEvent || fail "no connection to the compositor 5 s after the start"
kill_display_after_run "$weston_pid"
