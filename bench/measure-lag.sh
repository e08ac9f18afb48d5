#!/usr/bin/env bash
# How far behind the real second the main window's time label changes, every second for [seconds] (60),
# with the real main window under a private X server.
# usage: measure-lag.sh <vantorel-executable> <second-lag-executable> [seconds]
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 <vantorel-executable> <second-lag-executable> [seconds]" >&2; exit 2; }
lag_tool=$(realpath "$2")
seconds=${3:-60}
source "$(dirname "$0")/../scripts/xvfb-session.sh" "$1"
export LANG=fr_FR.UTF-8

# Beside the program's data files, where the real services look for them.
cp "$lag_tool" "$WORK/vantorel/"
"$WORK/vantorel/$(basename "$lag_tool")" "$seconds"
