#!/usr/bin/env bash
# A copy installed into a prefix and started from <prefix>/bin finds its data files in
# <prefix>/share/vantorel (no error report opens beside the main window), writes its settings at SIGTERM
# in $XDG_CONFIG_HOME/vantorel/config.ini, else ~/.config/vantorel/config.ini, with its default sounds in
# that data folder and nothing in the prefix; its window class is the desktop entry's StartupWMClass.
# The same copy without its data folder opens the report in the time allowed, so its absence means something.
# Usage: installed-starts.sh PROGRAM BUILD_FOLDER DESKTOP_ID
# The session's copy of the build's program folder goes unused: the copy under test is the installed one.
source "$(dirname "$0")/../../scripts/xvfb-session.sh" "$1"
build=$2 id=$3
prefix=$WORK/prefix
data=$prefix/share/vantorel
cmake --install "$build" --prefix "$prefix" >/dev/null
PROGRAM=$prefix/bin/vantorel
pid=

fail() {
    echo "FAILED: $*"
    [ -n "$pid" ] && kill -9 $pid 2>/dev/null
    [ -s "$WORK/program.log" ] && { echo "--- program output"; cat "$WORK/program.log"; }
    exit 1
}

# Starts the installed copy with the given environment changes and waits for its main window.
start() {
    env "$@" "$PROGRAM" >"$WORK/program.log" 2>&1 &
    pid=$!
    main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vantorel$' | head -1) ||
        fail "no window titled Vantorel appeared"
}

stop() {
    kill -TERM $pid
    local rc=0
    wait $pid || rc=$?
    pid=
    [ $rc -eq 0 ] || fail "exit code $rc after SIGTERM"
}

# Whether a second window titled Vantorel, the error report, shows within 2.5 s: time for the icon, read
# at start, and for the first tick, which reads the clock face.
report_shows() {
    for _ in $(seq 50); do
        [ "$(xdotool search --onlyvisible --name '^Vantorel$' 2>/dev/null | wc -l)" -gt 1 ] && return 0
        sleep 0.05
    done
    return 1
}

start XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home"
report_shows && fail "an error report opened: the data files were not found in $data"
class=$(xprop -id "$main" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\(.*\)"$/\1/p')
grep -qx "StartupWMClass=$class" "$prefix/share/applications/$id.desktop" ||
    fail "the window class \"$class\" is not the desktop entry's StartupWMClass"
stop
settings=$WORK/config/vantorel/config.ini
[ -f "$settings" ] || fail "no settings written in $settings"
[ "$(stat -c %a "$WORK/config/vantorel")" = 700 ] || fail "the settings folder is not the user's alone"
grep -qx "cloche=$data/ding.wav" "$settings" || fail "the default chime is not in the data folder"
grep -qx "son=$data/alarme1.wav" "$settings" || fail "the default alarm sound is not in the data folder"
[ -z "$(find "$prefix" -name config.ini)" ] || fail "settings written in the prefix"
[ ! -e "$WORK/home" ] || fail "settings written in the home folder although XDG_CONFIG_HOME is set"
echo "data found in $data, window class $class, settings written in $settings"

start -u XDG_CONFIG_HOME HOME="$WORK/home"
stop
[ -f "$WORK/home/.config/vantorel/config.ini" ] || fail "no settings in ~/.config/vantorel without XDG_CONFIG_HOME"
echo "without XDG_CONFIG_HOME: settings written in ~/.config/vantorel/config.ini"

mv "$data" "$WORK/data-away"
start XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home"
report_shows || fail "no error report without the data folder: the check above proves nothing"
stop
echo "without its data folder the same copy reports it"
