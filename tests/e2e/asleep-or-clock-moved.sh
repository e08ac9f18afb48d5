#!/usr/bin/env bash
# The alarm of 07:00 with the clock set back 10 s just after it rang: neither it nor the chime comes again;
# a minute asleep across it: it rings; 8 hours asleep: no sound, the "manquée" box. A sleep is logind's
# PrepareForSleep(true), the program stopped while libfaketime moves its wall clock, PrepareForSleep(false);
# logind is a stand-in on a private system bus that sees its delay lock taken, let go, taken again.
# Usage: asleep-or-clock-moved.sh PROGRAM SCREENSHOT_FOLDER
source "$(dirname "$0")/../../scripts/xvfb-session.sh" "$1"
source "$(dirname "$0")/desktop.sh" "${2:-}"

AUDIO_THREAD=SDLAudio # SDL's playback thread runs only while a sound plays
LOGIND_LOG=$WORK/logind.log
CLOCK=$WORK/clock # the program's wall clock, in seconds off the real one

printf '[alarme]\nactive=1\nheure=7\nminute=0\nsonnerieson=1\nmessage=1\ntextmessage=Debout !\n' >"$SETTINGS"

# A bus that lets anyone own any name, as the session bus does, standing for the system bus.
dbus-daemon --session --address="unix:path=$WORK/system-bus" --nofork --nopidfile 2>>"$WORK/bus.log" &
STARTED+=($!)
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$WORK/system-bus
wait_file "$WORK/system-bus" 10 || fail "the private system bus did not start"
/usr/bin/python3 "$(dirname "$0")/fake-logind.py" "$LOGIND_LOG" &
LOGIND=$!
STARTED+=($LOGIND)
wait_file "$LOGIND_LOG" 10 || fail "the stand-in for logind did not start"

wall_at() { printf '%+d\n' $(($(date -d "$1" +%s) - $(date +%s))) >"$CLOCK"; }
move_wall() { printf '%+d\n' $(($(cat "$CLOCK") + $1)) >"$CLOCK"; }
wall() { date -d "@$(($(date +%s) + $(cat "$CLOCK")))" '+%F %T'; }

logind_saw() { grep -c "^$1" "$LOGIND_LOG" || true; }

# wait_logind WHAT COUNT: the stand-in has noted WHAT COUNT times, within 5 s.
logind_saw_at_least() { [ "$(logind_saw "$1")" -ge "$2" ]; }
wait_logind() {
    within 5 logind_saw_at_least "$1" "$2" || fail "logind did not see \"$1\" $2 times: $(cat "$LOGIND_LOG")"
}

# asleep SECONDS, from the time given: that time comes, then the sleep, as logind and a suspend do it.
asleep() {
    wall_at "$1"
    sleep 1.5
    local taken released
    taken=$(logind_saw taken) released=$(logind_saw released)
    kill -USR1 $LOGIND
    wait_logind released $((released + 1))
    ini_value option vibreur >/dev/null || fail "the lock was let go before config.ini was written"
    kill -STOP "$PROGRAM_PID"
    move_wall "$2"
    sleep 1
    kill -CONT "$PROGRAM_PID"
    kill -USR2 $LOGIND
    wait_logind taken $((taken + 1))
    say "woke up at $(wall)"
}

# sounds_within SECONDS / quiet_within SECONDS: a sound plays / none does, at some moment within that time.
sounding() { program_thread $AUDIO_THREAD; }
silent() { ! sounding; }
sounds_within() { within "$1" sounding; }
quiet_within() { within "$1" silent; }

# alarm_box NAME: within 5 s a box titled "Alarme", screenshot NAME; prints its width and height and
# closes it with Enter.
alarm_box() {
    local box
    box=$(wait_window Alarme 1 5) || fail "no box titled Alarme at $(wall)"
    shot "$1"
    geometry "$box" | cut -d' ' -f3-
    xdotool key Return
    wait_window_count Alarme 0 || fail "the Alarme box stayed after Enter"
}

wall_at "2026-12-08 06:59:53"
start_program_on_clock "$CLOCK"
wait_logind taken 1
sounds_within 12 || fail "no sound at 07:00 ($(wall))"
read -r ring_width ring_height <<<"$(alarm_box 1-rings)"
quiet_within 8 || fail "the alarm sound still plays at $(wall)"
move_wall -10
say "rang; set back 10 s: $(wall)"
sounds_within 9 && fail "a sound again after the clock was set back ($(wall))"
[ -z "$(windows_titled Alarme)" ] || fail "an Alarme box again after the clock was set back"
say "nothing came again up to $(wall)"

asleep "2026-12-09 06:59:45" 60
sounds_within 5 || fail "no sound after a minute asleep across 07:00"
alarm_box 2-rings-after-a-minute >/dev/null
quiet_within 8 || fail "the alarm sound still plays at $(wall)"
[ -z "$(windows_titled Alarme)" ] || fail "a second Alarme box after a minute asleep"

asleep "2026-12-10 06:59:45" $((8 * 3600))
read -r missed_width missed_height <<<"$(alarm_box 3-missed)"
sounds_within 3 && fail "a sound played after 8 hours asleep"
# "Alarme de 07 : 00 manquée." over "Debout !" against "Debout !" alone.
[ "$missed_width" -gt "$ring_width" ] && [ "$missed_height" -gt "$ring_height" ] ||
    fail "the box after 8 hours asleep is ${missed_width}x$missed_height, the message alone ${ring_width}x$ring_height"
say "no sound; a box of two lines, ${missed_width}x$missed_height against ${ring_width}x$ring_height"

stop_program
seen=$(grep -v ^ready "$LOGIND_LOG" | cut -d: -f1 | tr '\n' ,)
taken="taken sleep Vantorel delay," sleep_and_wake="PrepareForSleep true,released,PrepareForSleep false,"
[ "$seen" = "$taken$sleep_and_wake$taken$sleep_and_wake${taken}released," ] || fail "logind saw: $seen"
say "logind saw: $seen"
