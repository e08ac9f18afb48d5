#!/usr/bin/env bash
# SIGTERM while the alarm sound plays (SDL's audio thread running) ends the program at once with exit
# code 0, and the teardown still writes config.ini.
# Usage: sigterm-while-playing.sh PROGRAM SCREENSHOT_FOLDER
source "$(dirname "$0")/../../scripts/xvfb-session.sh" "$1"
source "$(dirname "$0")/desktop.sh" "${2:-}"

AUDIO_THREAD=SDLAudio   # SDL names its audio threads SDLAudioP<n> (playback)

# An alarm that plays the default sound (alarme1.wav, a few seconds) at 07:05, and no message.
printf '[alarme]\nactive=1\nheure=7\nminute=5\nsonnerieson=1\n' >"$SETTINGS"

start_program "2026-12-08 07:04:56"
wait_first_tick
program_thread $AUDIO_THREAD && fail "an audio thread runs before the alarm's minute"
shot 1-before

say "waiting for the alarm sound"
deadline=$((SECONDS + 15))
until program_thread $AUDIO_THREAD; do
    [ $SECONDS -lt $deadline ] || fail "no SDL audio thread 15 s after 07:04:56 (the alarm is at 07:05)"
    sleep 0.05
done
say "audio thread running: $(cat /proc/"$PROGRAM_PID"/task/*/comm | tr '\n' ' ')"
[ "$(windows_titled Vantorel | wc -l)" -eq 1 ] || fail "a window titled Vantorel besides the main window (an error report?)"
program_thread $AUDIO_THREAD || fail "the sound ended before SIGTERM could be sent"
stop_program 5
expect_ini alarme active 1
expect_ini alarme heure 7
expect_ini alarme minute 5
expect_ini alarme sonnerieson 1
say "config.ini written at the teardown"
