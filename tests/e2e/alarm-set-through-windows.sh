#!/usr/bin/env bash
# An alarm set through the alarm window and its two dialogs opens its file at 07:00, shows its message,
# is written to config.ini at exit and is still set after a restart.
# Usage: alarm-set-through-windows.sh PROGRAM SCREENSHOT_FOLDER
source "$(dirname "$0")/../../scripts/xvfb-session.sh" "$1"
source "$(dirname "$0")/desktop.sh" "${2:-}"

# Places in the windows (window coordinates: no frame without a window manager).
OUTILS_X=71            # "Outils" in the main window's menu bar
CONFIGURER_X=40        # "Configurer..." in the alarm window's menu bar
OUI_DOT="199 42"       # centre of the "Oui" radio button in the alarm window
NON_DOT="247 42"       # centre of the "Non" radio button
MESSAGE_BOX="23 143"   # centre of the "Lancer un message :" check box in the alarm kind dialog
MESSAGE="Debout, il est 7 h !"

marker_script=$WORK/marker.sh
marker=$WORK/alarm-fired
printf '#!/bin/sh\ntouch "%s"\n' "$marker" >"$marker_script"
chmod +x "$marker_script"

# bell_shown NAME: a screenshot NAME shows more than the background where the bell stands in the main
# window (17 x 17, 6 px right of the time text at client y 8, that is window y 26 under the menu bar).
bell_shown() {
    local mx my
    read -r mx my _ <<<"$(geometry "$MAIN")"
    shot "$1"
    [ "$(colours_in "$SHOTS/$TEST_NAME-$1.png" "40x16+$((mx + 124))+$((my + 26))")" -gt 3 ]
}

# The fake clock starts 20 s before the alarm's minute; the setup below takes a few seconds.
fake_start="2026-12-08 06:59:40"
setup_limit_s=18
started=$SECONDS
start_program "$fake_start"
expect_designed "$MAIN" Form1
bell_shown 0-main-window && fail "a bell beside the time before the alarm was set"

say "Outils > Alarme"
choose "$MAIN" $OUTILS_X 2
ALARM=$(wait_window Alarme) || fail "the alarm window did not appear"
expect_designed "$ALARM" Form6
marked "$ALARM" "$NON_DOT" || fail "\"Non\" is not checked at first"
shot 1-alarm-window

say "Configurer... > Heure de l'alarme"
choose "$ALARM" $CONFIGURER_X 1
TIME=$(wait_window "Heure de l'alarme") || fail "the alarm time dialog did not appear"
expect_designed "$TIME" Form7
# 420 steps of the up arrow (x 72..85, y 8..16): 00 : 00 to 07 : 00.
xdotool mousemove --window "$TIME" 78 12 click --repeat 420 --delay 2 1
sleep 0.3
shot 2-time-0700
click "$TIME" 28 40    # OK
wait_window_count "Heure de l'alarme" 0 || fail "the alarm time dialog stayed after OK"
sleep 0.2
marked "$ALARM" "$OUI_DOT" || fail "\"Oui\" is not checked after OK in the alarm time dialog"
marked "$ALARM" "$NON_DOT" && fail "\"Non\" is still checked after OK in the alarm time dialog"
shot 3-alarm-armed

say "Configurer... > Configuration"
choose "$ALARM" $CONFIGURER_X 2
KIND=$(wait_window "Paramétrer l'alarme") || fail "the alarm kind dialog did not appear"
expect_designed "$KIND" Form8
click "$KIND" 173 88   # "Choisir" beside "Lancer un fichier"
wait_window Ouvrir >/dev/null || fail "no file dialog after \"Choisir\""
shot 4-file-dialog
xdotool key ctrl+a
type_text "$marker_script"
xdotool key Return
wait_window_count Ouvrir 0 || fail "the file dialog stayed after Enter"
focus_by_click "$KIND" 270 150   # an empty spot right of the message edit
click "$KIND" 24 144   # "Lancer un message :"
marked "$KIND" "$MESSAGE_BOX" || fail "\"Lancer un message :\" is not checked after a click on it"
click "$KIND" 196 146  # the edit beside it
type_text "$MESSAGE"
shot 5-kind-dialog
click "$KIND" 93 172   # OK
wait_window_count "Paramétrer l'alarme" 0 || fail "the alarm kind dialog stayed after OK"
setup_s=$((SECONDS - started))
say "set up in about $setup_s s"
[ $setup_s -le $setup_limit_s ] || fail "setting up took $setup_s s: the fake clock may be past 07:00 already"

say "waiting for 07:00"
wait_file "$marker" 30 || fail "the alarm (07:00) did not open its file within 30 s of the end of the setup"
say "the marker script ran"
BOX=$(wait_window Alarme 2 10) || fail "no message box titled Alarme"
BOX=$(other_window Alarme "$ALARM") || fail "no message box titled Alarme besides the alarm window"
shot 6-alarm-message
[ "$(geometry "$BOX")" != "$(geometry "$ALARM")" ] || fail "the second Alarme window looks like the alarm window"
xdotool key Return
wait_window_count Alarme 1 || fail "the Alarme message box stayed after Enter"

stop_program
expect_ini alarme active 1
expect_ini alarme heure 7
expect_ini alarme minute 0
expect_ini alarme sonnerieson 0
expect_ini alarme fichier "$marker_script"
expect_ini alarme message 1
expect_ini alarme textmessage "$MESSAGE"
say "config.ini holds the alarm"

say "second start"
start_program "2026-12-08 09:30:00"
wait_first_tick
bell_shown 7-restart-bell || fail "no bell beside the time after the restart"
choose "$MAIN" $OUTILS_X 2
ALARM=$(wait_window Alarme) || fail "the alarm window did not appear after the restart"
sleep 0.2
marked "$ALARM" "$OUI_DOT" || fail "\"Oui\" is not checked after the restart"
shot 8-restart-alarm-window
stop_program
expect_ini alarme active 1
expect_ini alarme heure 7
expect_ini alarme minute 0
expect_ini alarme sonnerieson 0
expect_ini alarme message 1
expect_ini alarme textmessage "$MESSAGE"
say "alarm still set after a restart"
