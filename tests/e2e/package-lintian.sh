#!/usr/bin/env bash
# The Debian package builds and lintian, at its default level, finds nothing in it: no error, no warning.
# Usage: package-lintian.sh BUILD_FOLDER
set -euo pipefail
build=$1
log=$(mktemp)
trap 'rm -f "$log"' EXIT
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
