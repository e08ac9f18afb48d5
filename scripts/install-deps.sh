#!/usr/bin/env bash
# Installs the Debian packages of the sets named, those that are missing:
#   run   building and running the clock (make run)
#   test  the tests, the benchmarks, the package and its check (make test, make bench, make package)
#   fuzz  the settings file's fuzzer (make fuzz)
# --list prints the sets' packages, one a line, and installs nothing.
# Usage: install-deps.sh [--list] SET...
set -euo pipefail

run=(
    # build; python3 makes the package's changelog, which every build makes
    cmake make g++ pkg-config python3
    qt6-base-dev qt6-base-dev-tools
    libsdl2-mixer-dev libxcb1-dev
    # run: French Qt dialogs, the designed fonts, MIDI through FluidSynth with a small General MIDI
    # soundfont, Qt on a Wayland session
    qt6-translations-l10n fonts-liberation timgm6mb-soundfont tzdata qt6-wayland
)
test=(
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool
    # end-to-end tests: a fake wall clock, screenshots, window properties
    faketime imagemagick x11-utils
    # a private session bus for the single-instance guard's raise, a private system bus and a stand-in
    # for logind on it
    dbus-daemon python3-dbus python3-gi
    # a window manager, and its requests (close) as a desktop sends them
    metacity wmctrl
    # a Wayland compositor without a screen, for the display's death on Wayland; the desktops a change
    # is tried on by hand: GNOME's Qt platform theme, the screen readers' AT-SPI tree on a session bus
    weston qt6-gtk-platformtheme python3-pyatspi at-spi2-core
    # the desktop entry's and the metadata's checks; the package's library dependencies and its check
    desktop-file-utils appstream dpkg-dev file lintian
)
fuzz=(
    # clang with libFuzzer and the sanitizers' runtimes
    clang libclang-rt-14-dev
)

usage() { echo "usage: $0 [--list] run|test|fuzz..." >&2; exit 2; }
list=
[ "${1:-}" = --list ] && { list=1; shift; }
[ $# -gt 0 ] || usage
packages=()
for name in "$@"; do
    case $name in
        run) packages+=("${run[@]}") ;;
        test) packages+=("${test[@]}") ;;
        fuzz) packages+=("${fuzz[@]}") ;;
        *) usage ;;
    esac
done
if [ -n "$list" ]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null; then
    as_root=(sudo)
else
    echo "Missing packages, which only root can install: ${missing[*]}" >&2
    echo "Install them (su -c 'apt-get install --no-install-recommends ${missing[*]}'), or install sudo," \
         "then run this again." >&2
    exit 1
fi

# Right after a desktop starts, unattended upgrades or PackageKit hold apt's locks for a while. apt-get
# install waits for them itself (DPkg::Lock::Timeout); update does not, so it is tried again.
lock_wait=300
log=$(mktemp)
trap 'rm -f "$log"' EXIT
apt_get() {
    local deadline=$((SECONDS + lock_wait))
    until "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=$lock_wait "$@" 2>&1 |
        tee "$log"; do
        grep -q '^E: .*/lock' "$log" || return 1
        if [ $SECONDS -ge $deadline ]; then
            echo "The package manager is still busy after $((lock_wait / 60)) minutes: another program" \
                 "(unattended upgrades, PackageKit, a software centre) is installing or updating." \
                 "Let it finish, then run this again." >&2
            exit 1
        fi
        echo "Another program is using the package manager; trying again in 10 s."
        sleep 10
    done
}

echo "Installing: ${missing[*]}"
apt_get update
apt_get install -y --no-install-recommends "${missing[@]}"
