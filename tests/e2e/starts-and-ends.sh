#!/usr/bin/env bash
# The real program shows its main window titled "Vantorel" and ends cleanly, exit code 0, on SIGTERM.
source "$(dirname "$0")/../../scripts/xvfb-session.sh" "$1"

"$PROGRAM" &
pid=$!
if ! timeout 20 xdotool search --sync --onlyvisible --name '^Vantorel$' >/dev/null; then
    echo "no window titled Vantorel appeared"; kill -9 $pid; exit 1
fi
kill -TERM $pid
rc=0; wait $pid || rc=$?
[ $rc -eq 0 ] || { echo "exit code $rc after SIGTERM"; exit 1; }
echo "window shown, exit code 0 after SIGTERM"
