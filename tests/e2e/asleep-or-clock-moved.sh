#!/usr/bin/env bash
# Asleep, or the clock moved, across the alarm of 07:00: set back 10 s just after it rang, neither the
# alarm nor the chime comes again; after a sleep of a minute it rings once; after a sleep of 8 hours no
# sound plays and the "manquée" box shows. logind is a stand-in on a private system bus: it sees the delay
# lock taken at the start, let go once the state is written at each sleep and taken again at each wake-up.
# A sleep is PrepareForSleep(true), the program stopped while its wall clock moves (libfaketime), then
# PrepareForSleep(false).
# Usage: asleep-or-clock-moved.sh PROGRAM SCREENSHOT_FOLDER
source "$(dirname "$0")/../../scripts/xvfb-session.sh" "$1"
source "$(dirname "$0")/desktop.sh" "${2:-}"

AUDIO_THREAD=SDLAudio # SDL's playback thread runs only while a sound plays
LOGIND_LOG=$WORK/logind.log
CLOCK=$WORK/clock # the program's wall clock, in seconds off the real one

# The alarm at 07:00 plays the default sound and shows its message.
printf '[alarme]\nactive=1\nheure=7\nminute=0\nsonnerieson=1\nmessage=1\ntextmessage=Debout !\n' >"$SETTINGS"

cat >"$WORK/system-bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <listen>unix:path=$WORK/system-bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
dbus-daemon --config-file="$WORK/system-bus.conf" --nofork --nopidfile 2>>"$WORK/bus.log" &
STARTED+=($!)
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$WORK/system-bus
wait_file "$WORK/system-bus" 10 || fail "the private system bus did not start"
/usr/bin/python3 "$(dirname "$0")/fake-logind.py" "$LOGIND_LOG" &
LOGIND=$!
STARTED+=($LOGIND)
wait_file "$LOGIND_LOG" 10 || fail "the stand-in for logind did not start"

# wall_at "YYYY-MM-DD hh:mm:ss": the program's wall clock shows that time now.
wall_at() { printf '%+d\n' $(($(date -d "$1" +%s) - $(date +%s))) >"$CLOCK"; }
move_wall() { printf '%+d\n' $(($(cat "$CLOCK") + $1)) >"$CLOCK"; }
wall() { date -d "@$(($(date +%s) + $(cat "$CLOCK")))" '+%F %T'; }

logind_says() { grep -c "^$1" "$LOGIND_LOG" || true; }

# wait_logind WHAT COUNT: the stand-in has noted WHAT COUNT times, within 5 s.
wait_logind() {
    local deadline=$((SECONDS + 5))
    until [ "$(logind_says "$1")" -ge "$2" ]; do
        [ $SECONDS -lt $deadline ] || fail "logind did not see \"$1\" a ${2}th time: $(cat "$LOGIND_LOG")"
        sleep 0.05
    done
}

# asleep SECONDS: logind announces the sleep and waits for the lock; the program stops while its wall
# clock moves on, then goes on as logind announces the wake-up.
asleep() {
    local taken released
    taken=$(logind_says taken) released=$(logind_says released)
    kill -USR1 $LOGIND
    wait_logind released $((released + 1))
    ini_value option vibreur >/dev/null || fail "the lock was let go before config.ini was written"
    kill -STOP "$PROGRAM_PID"
    move_wall "$1"
    sleep 1
    kill -CONT "$PROGRAM_PID"
    kill -USR2 $LOGIND
    wait_logind taken $((taken + 1))
    say "woke up at $(wall)"
}

# sounds_within SECONDS: a sound plays within that time.
sounds_within() {
    local deadline=$((SECONDS + $1))
    until program_thread $AUDIO_THREAD; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

# alarm_box NAME: the box titled "Alarme" within 5 s; a screenshot NAME; prints its width and height.
alarm_box() {
    local box
    box=$(wait_window Alarme 1 5) || fail "no box titled Alarme ($(wall))"
    shot "$1"
    read -r _ _ width height <<<"$(geometry "$box")"
    echo "$width $height"
}

# close_alarm_box: Enter closes the box; then the sound (a few seconds) ends.
close_alarm_box() {
    xdotool key Return
    wait_window_count Alarme 0 || fail "the Alarme box stayed after Enter"
    local deadline=$((SECONDS + 8))
    while program_thread $AUDIO_THREAD; do
        [ $SECONDS -lt $deadline ] || fail "a sound still plays at $(wall)"
        sleep 0.1
    done
}

wall_at "2026-12-08 06:59:53"
start_program_on_clock "$CLOCK"
wait_first_tick
wait_logind taken 1
say "started at $(wall); $(grep ^taken "$LOGIND_LOG")"

say "07:00: the alarm rings"
sounds_within 12 || fail "no sound at 07:00 ($(wall))"
read -r ring_width ring_height <<<"$(alarm_box 1-rings)"
close_alarm_box
move_wall -10
say "set back 10 s: $(wall)"
sounds_within 9 && fail "a sound played again after the clock was set back ($(wall))"
[ -z "$(windows_titled Alarme)" ] || fail "an Alarme box again after the clock was set back"
say "nothing came again up to $(wall)"

say "asleep a minute across 07:00"
wall_at "2026-12-09 06:59:45"
sleep 1.5
asleep 60
sounds_within 5 || fail "no sound after a minute asleep across 07:00"
alarm_box 2-rings-after-a-minute >/dev/null
close_alarm_box
[ -z "$(windows_titled Alarme)" ] || fail "a second Alarme box after a minute asleep"

say "asleep 8 hours across 07:00"
wall_at "2026-12-10 06:59:45"
sleep 1.5
asleep $((8 * 3600))
read -r missed_width missed_height <<<"$(alarm_box 3-missed)"
sounds_within 3 && fail "a sound played after 8 hours asleep ($(wall))"
# "Alarme de 07 : 00 manquée." over "Debout !": wider and higher than "Debout !" alone.
[ "$missed_width" -gt "$ring_width" ] && [ "$missed_height" -gt "$ring_height" ] ||
    fail "the box after 8 hours asleep is ${missed_width}x$missed_height, the message alone ${ring_width}x$ring_height"
say "no sound, and a box of two lines, ${missed_width}x$missed_height against ${ring_width}x$ring_height"
close_alarm_box

stop_program
expected="taken sleep Vantorel delay
PrepareForSleep true
released
PrepareForSleep false
taken sleep Vantorel delay
PrepareForSleep true
released
PrepareForSleep false
taken sleep Vantorel delay
released"
actual=$(sed 's/:.*//' "$LOGIND_LOG" | grep -v '^ready$')
[ "$actual" = "$expected" ] || fail "logind saw: $actual"
say "logind saw the lock taken, released at each sleep, taken again at each wake-up, released at the end"
