#!/usr/bin/env bash
# Under a window manager, the close request of a window a dialog disabled (the main window while
# "Options" is open) is ignored: both stay on the screen. Once the dialog is gone, it closes as designed.
# The alarm's message box shows its text as typed.
# Usage: close-waits-for-dialog.sh PROGRAM SCREENSHOT_FOLDER
source "$(dirname "$0")/../../scripts/xvfb-session.sh" "$1"
source "$(dirname "$0")/desktop.sh" "${2:-}"

CONFIGURATION_X=133 # "Configuration" in the main window's menu bar

metacity --replace --sm-disable >"$WORK/metacity.log" 2>&1 &
STARTED+=($!)
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.05; done
wmctrl -m >/dev/null 2>&1 || fail "metacity did not start"

start_program
say "Configuration > Options"
choose "$MAIN" $CONFIGURATION_X 1
OPTIONS=$(wait_window Options) || fail "the options dialog did not appear"

say "the window manager asks the disabled main window to close"
wmctrl -i -c "$MAIN"
sleep 1
shot 1-close-asked
program_running || fail "the program ended on the close request of its disabled main window"
[ "$(windows_titled Vantorel | wc -l)" -eq 1 ] || fail "the main window is gone"
[ "$(windows_titled Options | wc -l)" -eq 1 ] || fail "the options dialog is gone"
say "both windows still on the screen"

say "Options closed, then the main window"
wmctrl -i -c "$OPTIONS"
wait_window_count Options 0 || fail "the options dialog stayed after its close request"
wmctrl -i -c "$MAIN"
for _ in $(seq 100); do program_running || break; sleep 0.05; done
program_running && fail "the enabled main window's close request did not end the program"
rc=0
wait "$PROGRAM_PID" || rc=$?
PROGRAM_PID=
[ $rc -eq 0 ] || fail "exit code $rc after closing the main window"
say "the program ended with exit code 0"
