#!/usr/bin/env bash
# How the clock keeps time while every core is busy with other work: the real program under a private X
# server, beside one busy loop per core for the whole measurement. Measured against the real clock:
#   - the stopwatch's count after 60 s between its Start and Pause clicks (within 0.1 s);
#   - the end of a 30 s countdown set through its dialogs: when its file runs (within 1 s, exactly once);
#   - the chime (the window's shake) and the alarm after a full hour under libfaketime (within 1 s, once);
#   - then start-up, idle CPU and memory beside a minimal Qt window: measure-idle.sh, still under load.
# The idle span is [idle-seconds] (60); STARTUP_RUNS goes through to measure-idle.sh. window_moves is
# looked for beside the minimal window (WINDOW_MOVES to say where). Screenshots go to SHOTS_DIR
# (/tmp/vantorel-measure-load). Exit status 1 when a target is missed.
# usage: measure-load.sh <vantorel-executable> <minimal-window-executable> [idle-seconds]
set -euo pipefail
[ $# -ge 2 ] || {
    echo "usage: $0 <vantorel-executable> <minimal-window-executable> [idle-seconds]" >&2
    exit 2
}
here=$(cd "$(dirname "$0")" && pwd)
vantorel=$(realpath "$1")
minimal=$(realpath "$2")
idle_span=${3:-60}
moves_tool=$(realpath "${WINDOW_MOVES:-$(dirname "$minimal")/window_moves}")
[ -x "$moves_tool" ] || { echo "no window_moves at $moves_tool (build the bench folder)" >&2; exit 2; }

STOPWATCH_S=60
COUNTDOWN_S=30
CHIME_LEAD_S=6 # the program starts this long before the fake full hour: start-up under load takes a while
AFTER_S=5      # waited after each expected event, to see that it does not come twice

source "$here/../scripts/xvfb-session.sh" "$vantorel"
export LANG=fr_FR.UTF-8
work=$WORK
source "$here/../tests/e2e/desktop.sh" "${SHOTS_DIR:-${TMPDIR:-/tmp}/vantorel-measure-load}"

# Places in the windows, as the end-to-end tests click them (no frame without a window manager).
OUTILS_X=71              # "Outils" in the main window's menu bar
SW_START="36 48"         # "Start " in the stopwatch window
SW_PAUSE="100 48"        # "Pause"
NEW_COUNTDOWN="120 52"   # "Comencez un nouveau compte à rebours" in the countdown window
SECONDS_UP="158 116"     # upper half of the seconds up-down in the setup dialog
CHOOSE="124 152"         # "Choisir..."
CD_START="32 248"        # "Start"
EMPTY_SPOT="220 120"

now_us() { echo "${EPOCHREALTIME//[.,]/}"; }

# wait_until_us INSTANT: sleeps until the real clock passes INSTANT (µs since the epoch).
wait_until_us() {
    local left
    while left=$(($1 - $(now_us))) && [ $left -gt 0 ]; do
        if [ $left -gt 50000 ]; then sleep "$(((left - 20000) / 1000000)).$(printf '%06d' $(((left - 20000) % 1000000)))"
        else sleep 0.002; fi
    done
}

# marker_script SCRIPT LOG: a script that appends the real time (µs) to LOG each time it runs. A file run
# by the program under libfaketime inherits the preload, so the time is read by a process without it.
marker_script() {
    printf '#!/bin/sh\nexec env -u LD_PRELOAD -u FAKETIME bash -c %s "%s"\n' \
        "'echo \"\${EPOCHREALTIME//[.,]/}\" >>\"\$0\"'" "$2" >"$1"
    chmod +x "$1"
}

# wait_run LOG INSTANT: until LOG holds a run or the real clock passes INSTANT (µs); false if it holds none.
wait_run() {
    until [ -s "$1" ]; do
        [ "$(now_us)" -lt "$2" ] || return 1
        sleep 0.05
    done
}

runs_in() { if [ -f "$1" ]; then wc -l <"$1"; else echo 0; fi; }
first_in() { head -n 1 "$1"; }

# Seconds from µs: an error (signed) or a span.
secs() { awk -v us="$1" 'BEGIN {printf "%+.3f s", us / 1e6}'; }
span() { awk -v us="$1" 'BEGIN {printf "%.3f s", us / 1e6}'; }
# within LIMIT_US VALUE_US: 1 when |VALUE| <= LIMIT.
within() { local v=$2; v=${v#-}; [ "$v" -le "$1" ] && echo 1 || echo 0; }
verdict() { if [ "$1" -eq 1 ]; then echo PASS; else echo FAIL; fi; }

# Each run starts from no settings at all.
fresh_settings() { rm -f "$SETTINGS"; }

source "$here/process-cpu.sh"

# The load: as many busy loops as cores, at the clock's own priority, from now until the exit trap.
cores=$(nproc)
load_pids=()
for _ in $(seq "$cores"); do
    nice -n 0 sha256sum /dev/zero >/dev/null &
    load_pids+=($!)
    STARTED+=($!)
done
load_begin=$(now_us)
say "load: $cores busy loops (sha256sum /dev/zero, nice 0) on $cores cores; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

# 1. The stopwatch over 60 s.
say "stopwatch: Start, $STOPWATCH_S s, Pause"
fresh_settings
start_program
choose "$MAIN" $OUTILS_X 1
STOPWATCH=$(wait_window Chronomètre) || fail "the stopwatch window did not appear"
sw_start=$(press "$STOPWATCH" "$SW_START")
# Paused in the middle of a tenth: the count is whole tenths, so a perfect stopwatch reads 0.05 s short,
# and a click handled a few ms late at either end cannot tip the count into the next tenth.
wait_until_us $((sw_start + STOPWATCH_S * 1000000 + 50000))
sw_pause=$(press "$STOPWATCH" "$SW_PAUSE")
sleep 0.3
shot 1-stopwatch-paused
stop_program
sw_real=$((sw_pause - sw_start))
h=$(ini_value chrono heurepass) && m=$(ini_value chrono minpass) && s=$(ini_value chrono secpass) &&
    t=$(ini_value chrono millipass) || fail "config.ini holds no stopwatch count"
sw_stored=$(((((h * 60 + m) * 60 + s) * 10 + t) * 100000)) # millipass is tenths
sw_error=$((sw_stored - sw_real))
sw_ok=$(within 100000 $sw_error)

# 2. A 30 s countdown set through the dialogs.
say "countdown: $COUNTDOWN_S s set through the dialogs"
fresh_settings
cd_log=$WORK/countdown-runs
marker_script "$WORK/countdown-marker.sh" "$cd_log"
start_program
choose "$MAIN" $OUTILS_X 3
COUNTDOWN=$(wait_window "Compte à rebours") || fail "the countdown window did not appear"
click "$COUNTDOWN" $NEW_COUNTDOWN
wait_window "Attention..." >/dev/null || fail "no \"Attention...\" box after the countdown window's button"
xdotool key Return
wait_window_count "Attention..." 0 || fail "the \"Attention...\" box stayed after Enter"
SETUP=$(wait_window "Définir Compte à rebours") || fail "no setup dialog after Yes"
focus_by_click "$SETUP" $EMPTY_SPOT
read -r x y <<<"$SECONDS_UP"
xdotool mousemove --window "$SETUP" "$x" "$y" click --repeat "$COUNTDOWN_S" --delay 120 1
sleep 0.3
click "$SETUP" $CHOOSE
wait_window Ouvrir >/dev/null || fail "no file dialog after \"Choisir...\""
xdotool key ctrl+a
type_text "$WORK/countdown-marker.sh"
xdotool key Return
wait_window_count Ouvrir 0 || fail "the file dialog stayed after Enter"
focus_by_click "$SETUP" $EMPTY_SPOT
shot 2-countdown-set
cd_start=$(press "$SETUP" "$CD_START")
wait_window_count "Définir Compte à rebours" 0 || fail "the setup dialog stayed after Start"
wait_run "$cd_log" $((cd_start + (COUNTDOWN_S + 10) * 1000000)) || fail "the countdown did not run its file within $((COUNTDOWN_S + 10)) s of Start"
wait_until_us $(($(first_in "$cd_log") + AFTER_S * 1000000))
stop_program
cd_runs=$(runs_in "$cd_log")
cd_error=$(($(first_in "$cd_log") - cd_start - COUNTDOWN_S * 1000000))
cd_ok=$(within 1000000 $cd_error)
cd_runs_ok=$([ "$cd_runs" -eq 1 ] && echo 1 || echo 0)

# 3. The chime and the alarm under libfaketime. A relative offset keeps the fake clock exactly that far
# from the real one, so the real instant of the fake full hour is known to the microsecond.
say "chime and alarm: the program starts $CHIME_LEAD_S s before a fake full hour, the alarm at its minute 1"
fresh_settings
al_log=$WORK/alarm-runs
marker_script "$WORK/alarm-marker.sh" "$al_log"
lib=$(faketime_library) || fail "libfaketime not found (package faketime)"
hour_real=$(($(now_us) / 1000000 + 1 + CHIME_LEAD_S)) # real second at which the fake clock shows hh:00:00
fake_hour=$(date -d "$(date -d "@$((hour_real + 3600))" '+%Y-%m-%d %H:00:00')" +%s)
offset=$((fake_hour - hour_real))
alarm_hour=$(date -d "@$fake_hour" +%-H)
alarm_real=$((hour_real + 60))
printf '[alarme]\nheure=%s\nminute=1\nactive=1\nsonnerieson=0\nfichier=%s\nmessage=0\n' \
    "$alarm_hour" "$WORK/alarm-marker.sh" >"$SETTINGS"
LD_PRELOAD=$lib FAKETIME="+${offset}s" FAKETIME_DONT_FAKE_MONOTONIC=1 "$PROGRAM" >>"$work/program.log" 2>&1 &
PROGRAM_PID=$!
MAIN=$(wait_window Vantorel) || fail "no window titled Vantorel appeared"
moves=$WORK/moves
"$moves_tool" "$MAIN" $((alarm_real + AFTER_S + 30 - $(now_us) / 1000000)) >"$moves" &
STARTED+=($!)
deadline=$((SECONDS + 5))
until grep -q '^ready' "$moves" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || fail "window_moves did not start"
    sleep 0.02
done
lead_left=$((hour_real * 1000000 - $(now_us)))
[ $lead_left -gt 0 ] || fail "the program was not up before the full hour (started $CHIME_LEAD_S s before)"
say "watching the main window $(secs $lead_left) before the full hour (fake $(date -d "@$fake_hour" +%T), offset ${offset} s)"
if wait_run "$al_log" $(((alarm_real + 10) * 1000000)); then
    wait_until_us $(($(first_in "$al_log") + AFTER_S * 1000000))
fi
shot 3-after-alarm
stop_program
al_runs=$(runs_in "$al_log")
al_error=n/a al_ok=0
if [ "$al_runs" -gt 0 ]; then
    al_error=$(($(first_in "$al_log") - alarm_real * 1000000))
    al_ok=$(within 1000000 $al_error)
fi
al_runs_ok=$([ "$al_runs" -eq 1 ] && echo 1 || echo 0)
# Moves a second or more apart are separate shakes.
read -r episodes moved first_move last_move < <(awk '!/^ready/ {
        us = $1 * 1e6; if (n == 0 || us - last > 1e6) episodes++; if (n == 0) first = us; last = us; n++ }
    END {printf "%d %d %.0f %.0f\n", episodes, n, first, last}' "$moves")
ch_error=n/a ch_ok=0
if [ "$moved" -gt 0 ]; then
    ch_error=$((first_move - hour_real * 1000000))
    ch_ok=$(within 1000000 $ch_error)
fi
ch_once_ok=$([ "$episodes" -eq 1 ] && echo 1 || echo 0)

# 4. Start-up, idle CPU and memory, as `make bench` measures them, the load still running.
say "start-up, idle CPU and memory: measure-idle.sh, idle span $idle_span s"
idle_rc=0
idle_out=$("$here/measure-idle.sh" "$vantorel" "$minimal" "$idle_span" 2>&1) || idle_rc=$?
idle_ok=$([ $idle_rc -eq 0 ] && echo 1 || echo 0)

load_cpu=0
for p in "${load_pids[@]}"; do load_cpu=$((load_cpu + $(cpu_ms "$p"))); done
load_share=$(awk -v ms="$load_cpu" -v us="$(($(now_us) - load_begin))" 'BEGIN {printf "%.2f", ms / (us / 1e3)}')

echo
echo "The clock under load, $(date '+%Y-%m-%d %H:%M'), $cores cores" \
    "($(awk -F': ' '/^model name/ {print $2; exit}' /proc/cpuinfo)): $cores busy loops took $load_share cores" \
    "on average; load average at the end $(cut -d' ' -f1-3 /proc/loadavg)"
row() { printf '  %-38s %14s   %-22s %s\n' "$@"; }
row "" "figure" "target" "result"
row "stopwatch: stored - real, ${STOPWATCH_S} s" "$(secs $sw_error)" "within 0.1 s" "$(verdict "$sw_ok")"
row "  real between Start and Pause" "$(span $sw_real)" "" ""
row "  stored count" "$(span $sw_stored)" "" ""
row "countdown ${COUNTDOWN_S} s: file run - end due" "$(secs $cd_error)" "within 1 s" "$(verdict "$cd_ok")"
row "  runs of its file" "$cd_runs" "exactly 1" "$(verdict "$cd_runs_ok")"
row "chime: first move - full hour" "$([ "$ch_error" = n/a ] && echo n/a || secs "$ch_error")" \
    "within 1 s" "$(verdict "$ch_ok")"
row "  shakes (moves of the window)" "$episodes ($moved)" "exactly 1" "$(verdict "$ch_once_ok")"
row "  the shake lasted" "$([ "$moved" -gt 0 ] && span $((last_move - first_move)) || echo n/a)" "" ""
row "alarm: file run - its minute" "$([ "$al_error" = n/a ] && echo n/a || secs "$al_error")" \
    "within 1 s" "$(verdict "$al_ok")"
row "  runs of its file" "$al_runs" "exactly 1" "$(verdict "$al_runs_ok")"
echo "$idle_out" | sed 's/^/  /'
row "start-up, idle CPU, memory (above)" "" "measure-idle.sh" "$(verdict "$idle_ok")"
echo "  screenshots: $SHOTS"
[ $((sw_ok && cd_ok && cd_runs_ok && ch_ok && ch_once_ok && al_ok && al_runs_ok && idle_ok)) -eq 1 ]
