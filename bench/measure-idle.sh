#!/usr/bin/env bash
# Start-up time, resident memory and idle CPU of the clock beside a minimal Qt window, both under one
# private X server. STARTUP_RUNS (5) launches each for the start-up median; the idle span is [seconds] (60).
# usage: measure-idle.sh <vantorel-executable> <minimal-window-executable> [seconds]
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 <vantorel-executable> <minimal-window-executable> [seconds]" >&2; exit 2; }
minimal=$(realpath "$2")
span=${3:-60}
runs=${STARTUP_RUNS:-5}
settle=5
source "$(dirname "$0")/../scripts/xvfb-session.sh" "$1"
export LANG=fr_FR.UTF-8

now_us() { echo "${EPOCHREALTIME//[.,]/}"; }

# Starts a program; sets PID, and STARTUP_MS: the time until a visible window with that title is there.
# xdotool's --sync looks only every 500 ms, too coarse here, so look every 5 ms instead.
launch() {
    local start deadline
    start=$(now_us)
    "$1" >/dev/null 2>&1 &
    PID=$!
    STARTED+=("$PID")
    deadline=$((start + 20000000))
    until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do
        [ "$(now_us)" -lt $deadline ] || { echo "no window titled $2 appeared" >&2; exit 1; }
        sleep 0.005
    done
    STARTUP_MS=$((($(now_us) - start) / 1000))
}

# SIGTERM, as at the end of a session; the clock ends cleanly on it, the minimal window just dies.
stop() {
    kill -TERM "$1"
    for _ in $(seq 200); do kill -0 "$1" 2>/dev/null || break; sleep 0.05; done
    kill -0 "$1" 2>/dev/null && { echo "pid $1 ignored SIGTERM for 10 s" >&2; kill -KILL "$1"; }
    wait "$1" 2>/dev/null || true
    local left=() p
    for p in "${STARTED[@]}"; do [ "$p" = "$1" ] || left+=("$p"); done
    STARTED=("${left[@]}")
}

median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

source "$(dirname "$0")/process-cpu.sh"

# The same in the scheduler's nanoseconds, summed over the live threads. utime and stime count whole
# 10 ms ticks, too coarse to judge programs that use a few tens of ms a minute: the verdict uses this.
cpu_ns() {
    local sum=0 f run
    for f in /proc/"$1"/task/*/schedstat; do
        read -r run _ <"$f" && sum=$((sum + run))
    done
    echo $sum
}

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

names=(Vantorel minimal-window)
programs=("$PROGRAM" "$minimal")
startup=() cpu=() fine=() rss=() runs_ms=()

for i in 0 1; do
    all=()
    for _ in $(seq "$runs"); do
        launch "${programs[i]}" "${names[i]}"
        all+=("$STARTUP_MS")
        stop "$PID"
    done
    startup[i]=$(median "${all[@]}")
    runs_ms[i]="${all[*]}"
done

# Both idle side by side: the span is shared and each reading is the process's own.
pids=()
for i in 0 1; do
    launch "${programs[i]}" "${names[i]}"
    pids[i]=$PID
done
sleep "$settle"
begin=$(now_us)
for i in 0 1; do
    cpu[i]=$(cpu_ms "${pids[i]}")
    fine[i]=$(cpu_ns "${pids[i]}")
done
sleep "$span"
elapsed_ms=$((($(now_us) - begin) / 1000))
for i in 0 1; do
    cpu[i]=$((($(cpu_ms "${pids[i]}") - cpu[i]) * 60000 / elapsed_ms))
    fine[i]=$((($(cpu_ns "${pids[i]}") - fine[i]) * 60 / elapsed_ms)) # µs a minute
    rss[i]=$(rss_kb "${pids[i]}")
    stop "${pids[i]}"
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.2f", a / b; else print "n/a"}'; }
verdict() { if [ "$1" -eq 1 ]; then echo PASS; else echo FAIL; fi; }
ms() { awk -v us="$1" 'BEGIN {printf "%.1f ms", us / 1000}'; }
mb() { awk -v kb="$1" 'BEGIN {printf "%.1f MB", kb * 1024 / 1e6}'; }

startup_ok=$((startup[0] * 2 <= startup[1] * 3))
cpu_ok=$((fine[0] * 2 <= fine[1] * 3))
rss_ok=$((rss[0] * 1024 < 45000000))

echo "Start-up, resident memory and idle CPU (start-up: median of $runs; idle: ${elapsed_ms} ms after ${settle} s)"
row() { printf '  %-22s %12s %16s %7s   %-24s %s\n' "$@"; }
row "" "vantorel" "minimal-window" "ratio" "target" "result"
row "start-up" "${startup[0]} ms" "${startup[1]} ms" "$(ratio "${startup[0]}" "${startup[1]}")" \
    "at most 1.5 x minimal" "$(verdict $startup_ok)"
row "idle CPU per minute" "$(ms "${fine[0]}")" "$(ms "${fine[1]}")" \
    "$(ratio "${fine[0]}" "${fine[1]}")" "at most 1.5 x minimal" "$(verdict $cpu_ok)"
row "  utime+stime, 10 ms" "${cpu[0]} ms" "${cpu[1]} ms" "$(ratio "${cpu[0]}" "${cpu[1]}")" \
    "(coarse, for reference)" ""
row "resident memory" "$(mb "${rss[0]}")" "$(mb "${rss[1]}")" "$(ratio "${rss[0]}" "${rss[1]}")" \
    "under 45 MB" "$(verdict $rss_ok)"
echo "  start-up runs (ms): vantorel ${runs_ms[0]}; minimal-window ${runs_ms[1]}"
[ $((startup_ok && cpu_ok && rss_ok)) -eq 1 ]
