#!/usr/bin/env bash
# The Debian package builds and lintian, at its default level, finds nothing in it: no error, no warning.
# Its metadata names the licence its copyright gives every file, so that software centres show it.
# Usage: package-lintian.sh BUILD_FOLDER
set -euo pipefail
build=$1
log=$(mktemp)
files=$(mktemp -d)
trap 'rm -rf "$log" "$files"' EXIT
cmake --build "$build" --target package >"$log" 2>&1 || { cat "$log"; echo "the package was not built"; exit 1; }
# The file CPack names, not a glob that could pick up an older version's package.
deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$log" | tail -1)
[ -f "$deb" ] || { cat "$log"; echo "no package named in the build's output"; exit 1; }
# Lintian says so when it runs as root, as CI does; that remark is not about the package.
found=$(lintian "$deb" 2>&1 | grep -v 'running with root privileges is not recommended' || true)
if [ -n "$found" ]; then
    echo "lintian on $(basename "$deb"):"
    echo "$found"
    exit 1
fi
echo "lintian finds nothing in $(basename "$deb")"

# DEP-5's name of the licence, as SPDX and AppStream spell it.
declare -A spdx=([GPL-3+]=GPL-3.0-or-later)
dpkg-deb -x "$deb" "$files"
copyright=$files/usr/share/doc/vantorel/copyright
given=$(awk '/^Files: \*$/ { every = 1 } every && /^License:/ { print $2; exit }' "$copyright")
named=$(sed -n 's|^ *<project_license>\(.*\)</project_license>$|\1|p' "$files"/usr/share/metainfo/*.metainfo.xml)
[ -n "$given" ] && [ "$named" = "${spdx[$given]:-$given}" ] ||
    { echo "the metadata names the licence \"$named\", the copyright gives every file \"$given\""; exit 1; }
echo "the metadata names the licence of every file: $named"
