#!/usr/bin/env bash
# An install into an empty prefix puts the executable, its data files, the desktop entry, the metadata
# and the application icon at each theme size where the desktop looks for them, and nothing else.
# Usage: installed-files.sh BUILD_FOLDER DESKTOP_ID
set -euo pipefail
build=$1 id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

sizes="16 32 48 64 128 256"
expected=$({
    echo bin/vantorel
    echo "share/applications/$id.desktop"
    echo "share/metainfo/$id.metainfo.xml"
    for size in $sizes; do echo "share/icons/hicolor/${size}x$size/apps/$id.png"; done
    for name in horloge.ico Horloge.bmp CLOCHE.BMP ding.wav alarme1.wav Aidez-moi.doc; do
        echo "share/vantorel/$name"
    done
} | LC_ALL=C sort)
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    echo "installed files differ from the expected ones:"
    diff <(echo "$expected") <(echo "$actual") || true
    exit 1
fi
[ -x "$prefix/bin/vantorel" ] || { echo "bin/vantorel is not executable"; exit 1; }

for size in $sizes; do
    icon="$prefix/share/icons/hicolor/${size}x$size/apps/$id.png"
    got=$(identify -format '%wx%h opaque:%[opaque]' "$icon")
    [ "$got" = "${size}x$size opaque:false" ] || { echo "$icon: $got, not ${size}x$size with transparency"; exit 1; }
done

entry="$prefix/share/applications/$id.desktop"
grep -qx "Icon=$id" "$entry" || { echo "the entry's Icon is not $id"; exit 1; }
grep -qx "Exec=vantorel" "$entry" || { echo "the entry does not start vantorel"; exit 1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" ||
    { echo "the metadata does not name the entry $id.desktop"; exit 1; }
echo "every file in place: $(echo "$actual" | wc -l) files"
