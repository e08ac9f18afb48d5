#!/usr/bin/env bash
# The options dialog's shake strength, font size and background colour reach the main window at "OK",
# are written to config.ini at exit and are shown again after a restart.
# Usage: options-survive-restart.sh PROGRAM SCREENSHOT_FOLDER
source "$(dirname "$0")/../../scripts/xvfb-session.sh" "$1"
source "$(dirname "$0")/desktop.sh" "${2:-}"

CONFIGURATION_X=133       # "Configuration" in the main window's menu bar
COLOUR="#a0d8ff"          # the background typed into the colour dialog
COLOUR_VALUE=16767136     # the same as a colour value, 0x00BBGGRR
FONT_SIZE=14
# Away from a full hour, whose chime would shake the main window.
fake_start="2026-12-08 10:20:00"

shot_of() { echo "$SHOTS/$TEST_NAME-$1.png"; }

# The main window in screenshot NAME shows the chosen background and a time text wider than 8 points
# gives (at 8 points "00:00:00" ends near client x 122; window y 26..35 is the time's row only).
main_window_restyled() {
    local mx my png
    read -r mx my _ <<<"$(geometry "$MAIN")"
    shot "$1"
    png=$(shot_of "$1")
    [ "$(colour_at "$png" $((mx + 220)) $((my + 85)))" = "$COLOUR" ] || return 1
    [ "$(colours_in "$png" "20x10+$((mx + 130))+$((my + 26))")" -gt 3 ]
}

start_program "$fake_start"
wait_first_tick
main_window_restyled 0-main-window && fail "the main window has the new look before anything was chosen"

say "Configuration > Options"
choose "$MAIN" $CONFIGURATION_X 1
OPTIONS=$(wait_window Options) || fail "the options dialog did not appear"
expect_designed "$OPTIONS" Form2
read -r ox oy _ <<<"$(geometry "$OPTIONS")"
NUMBER="30x16+$((ox + 158))+$((oy + 78))"   # the number beside the track bar
shot 1-options

say "track bar: Home, then 4 pages up"
click "$OPTIONS" 49 90    # the slider's handle, at 250
xdotool key Home
sleep 0.2
shot 2-trackbar-0
same_region "$(shot_of 1-options)" "$(shot_of 2-trackbar-0)" "$NUMBER" &&
    fail "the number beside the track bar did not change after Home"
xdotool key Prior Prior Prior Prior
sleep 0.2
shot 3-trackbar-40
same_region "$(shot_of 2-trackbar-0)" "$(shot_of 3-trackbar-40)" "$NUMBER" &&
    fail "the number beside the track bar did not change after Page Up"

say "font: Choisir... > size $FONT_SIZE > OK"
click "$OPTIONS" 132 16   # "Choisir..." beside "Police :"
FONT=$(wait_window Police) || fail "no font dialog titled Police"
read -r _ _ fw _ <<<"$(geometry "$FONT")"
click "$FONT" $((fw - 74)) 44   # the size field, top right
xdotool key ctrl+a
type_text "$FONT_SIZE"
shot 4-font-dialog
click_from_corner "$FONT" 138 24   # OK
wait_window_count Police 0 || fail "the font dialog stayed after OK"
focus_by_click "$OPTIONS" 190 128   # an empty spot right of "Choisir" beside "Sonnerie :"

say "background: Choisir... > $COLOUR > OK"
click "$OPTIONS" 132 40   # "Choisir..." beside "Couleur de fond :"
COLOURS=$(wait_window "Sélectionner une couleur") || fail "no colour dialog"
click_from_corner "$COLOURS" 115 59   # the HTML field
xdotool key ctrl+a
type_text "$COLOUR"
shot 5-colour-dialog
click_from_corner "$COLOURS" 138 24   # OK
wait_window_count "Sélectionner une couleur" 0 || fail "the colour dialog stayed after OK"
focus_by_click "$OPTIONS" 190 128   # an empty spot right of "Choisir" beside "Sonnerie :"

say "OK in Options"
click "$OPTIONS" 48 188
wait_window_count Options 0 || fail "the options dialog stayed after OK"
sleep 0.5
late=
if ! main_window_restyled 6-main-window-after-ok; then
    # Kept going to check the rest: a click makes the main window active, which applies the options.
    late="the main window did not show the new font and background after OK in Options (it did only after a click on it; see $(shot_of 6-main-window-after-ok))"
    say "$late"
    click "$MAIN" 150 70
    sleep 0.5
    main_window_restyled 6-main-window-after-click || fail "the main window does not show the new font and background"
fi

stop_program
expect_ini option vibreur 40
expect_ini option couleurfond $COLOUR_VALUE
expect_ini option fontsize $FONT_SIZE
say "config.ini holds the options"

say "second start"
start_program "$fake_start"
wait_first_tick
main_window_restyled 7-restart || fail "the main window does not show the new font and background after a restart"
stop_program
expect_ini option vibreur 40
expect_ini option couleurfond $COLOUR_VALUE
expect_ini option fontsize $FONT_SIZE
[ -z "$late" ] || fail "$late"
say "the options survive a restart"
