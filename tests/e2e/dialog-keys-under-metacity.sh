#!/usr/bin/env bash
# Under a window manager, by the keyboard alone: Escape closes "Options" keeping nothing, Return (the focus
# on the track bar, no button) confirms it. Usage: dialog-keys-under-metacity.sh PROGRAM SCREENSHOT_FOLDER
source "$(dirname "$0")/../../scripts/xvfb-session.sh" "$1"
source "$(dirname "$0")/desktop.sh" "${2:-}"

metacity --replace --sm-disable >"$WORK/metacity.log" 2>&1 &
STARTED+=($!)
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.05; done
start_program
# "Options" shows its focus where it was left: on "OK" at first, then on the track bar three stops on.
for step in "Escape 250" "Return 1000"; do
    read -r key kept <<<"$step"
    choose "$MAIN" 133 1 # "Configuration" > "Options"
    has_focus "$(wait_window Options)" 5 || fail "the options dialog did not appear with the focus"
    [ $key = Escape ] && xdotool key Tab Tab Tab
    xdotool key End $key # the track bar at 1000
    wait_window_count Options 0 || fail "$key did not close the options dialog"
    [ "$(ini_value option vibreur || echo 250)" = "$kept" ] || fail "after $key: vibreur=$(ini_value option vibreur)"
    say "$key closed Options; the shake's strength is $kept"
done
stop_program
