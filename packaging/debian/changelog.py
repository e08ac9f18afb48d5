#!/usr/bin/env python3
"""Writes the Debian changelog of the package from the releases in the AppStream metadata.

Usage: changelog.py METAINFO REVISION MAINTAINER OUTPUT

One entry per <release>, newest first as the metadata lists them, versioned <version>-REVISION; its
lines are the English paragraphs and list items of the release's description. The date is the
release's, at noon UTC, so the same metadata always gives the same file.
"""
import sys
import textwrap
import xml.etree.ElementTree as ET
from datetime import datetime, timezone
from email.utils import format_datetime

LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def english_lines(description):
    if description is None:
        return []
    lines = []
    for element in description.iter():
        if element.tag in ("p", "li") and element.get(LANG) is None:
            lines.append(" ".join("".join(element.itertext()).split()))
    return lines


def main(metainfo, revision, maintainer, output):
    releases = ET.parse(metainfo).getroot().findall("./releases/release")
    if not releases:
        sys.exit(f"{metainfo}: no release")
    entries = []
    for release in releases:
        version, date = release.get("version"), release.get("date")
        if not version or not date:
            sys.exit(f"{metainfo}: a release without a version or a date")
        when = datetime.strptime(date, "%Y-%m-%d").replace(hour=12, tzinfo=timezone.utc)
        items = english_lines(release.find("description")) or [f"Release {version}."]
        body = "\n".join(textwrap.fill(item, width=78, initial_indent="  * ", subsequent_indent="    ")
                         for item in items)
        entries.append(f"vantorel ({version}-{revision}) unstable; urgency=medium\n\n{body}\n\n"
                       f" -- {maintainer}  {format_datetime(when)}\n")
    with open(output, "w", encoding="utf-8") as out:
        out.write("\n".join(entries))


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
