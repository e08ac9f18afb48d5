#!/usr/bin/env bash
# A termination request never waits on the user: with a question or a common dialog on the screen, and
# with a config.ini the program can't write, SIGTERM ends it within 2 s with exit code 0, the failure
# said in one line on standard error and no box shown.
# Usage: termination-never-waits.sh PROGRAM SCREENSHOT_FOLDER
source "$(dirname "$0")/../../scripts/xvfb-session.sh" "$1"
source "$(dirname "$0")/desktop.sh" "${2:-}"

CONFIGURATION_X=133 # "Configuration" in the main window's menu bar

say "config.ini is a folder; the reset question is open"
rm -f "$SETTINGS"
mkdir "$SETTINGS"
start_program
choose "$MAIN" $CONFIGURATION_X 2
wait_window "Alerte..." >/dev/null || fail "the reset question did not appear"
shot 1-question
stop_program 2
[ "$(grep -c '^vantorel : Impossible d.écrire dans .*config.ini\.$' "$WORK/program.log")" -eq 1 ] ||
    fail "not one line on standard error: $(cat "$WORK/program.log")"
[ -d "$SETTINGS" ] || fail "the folder in place of config.ini is gone"
rmdir "$SETTINGS"

say "the font dialog is open"
: >"$WORK/program.log"
start_program
choose "$MAIN" $CONFIGURATION_X 1
OPTIONS=$(wait_window Options) || fail "the options dialog did not appear"
click "$OPTIONS" 132 16 # "Choisir..." of the font
wait_window Police >/dev/null || fail "the font dialog did not appear"
shot 2-font-dialog
stop_program 2
grep -q '^vantorel :' "$WORK/program.log" && fail "the program said: $(cat "$WORK/program.log")"
expect_ini option vibreur 250
say "both ended at once"
