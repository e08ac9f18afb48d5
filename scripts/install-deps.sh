#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Vantorel need, when they are missing.
set -euo pipefail

packages=(
    # build
    cmake make g++ pkg-config
    qt6-base-dev qt6-base-dev-tools
    libsdl2-mixer-dev libxcb1-dev
    # run: French Qt dialogs, the designed fonts, MIDI through FluidSynth with a small General MIDI
    # soundfont, Qt on a Wayland session
    qt6-translations-l10n fonts-liberation timgm6mb-soundfont tzdata qt6-wayland
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool
    # end-to-end tests: a fake wall clock, screenshots, window properties
    faketime imagemagick x11-utils
    # a window manager, and its requests (close) as a desktop sends them
    metacity wmctrl
    # the desktops a change is tried on by hand: GNOME's Qt platform theme, a Wayland compositor with a
    # headless back end, the screen readers' AT-SPI tree on a session bus
    qt6-gtk-platformtheme weston python3-pyatspi at-spi2-core dbus-daemon
    # the desktop entry's and the metadata's checks; the package's library dependencies, its changelog
    # and its check (make package)
    desktop-file-utils appstream dpkg-dev file python3 lintian
    # the settings layer's fuzzer (make fuzz): clang with libFuzzer and the sanitizers' runtimes
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    run=()
elif command -v sudo >/dev/null; then
    run=(sudo)
else
    echo "Missing packages (run as root or install sudo): ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${run[@]}" apt-get update -q
"${run[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
