#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the AppStream metainfo: the validator's pedantic mode finds nothing but the upper-case
# letter in the id (kept: it is the desktop entry's name and the program's app id), the newest
# release is the version being built, and the launchable is the desktop entry beside it.
# Usage: check-metainfo.sh <metainfo file> <version>
set -euo pipefail
metainfo=$1
version=$2

status=0
report=$(appstreamcli validate --no-net --pedantic --no-color "$metainfo" 2>&1) || status=$?
echo "$report"
[ "$status" -eq 0 ] || { echo "the metainfo is not valid"; exit 1; }
if grep -E '^[EWIP]: ' <<<"$report" | grep -v ' cid-contains-uppercase-letter '; then
    echo "the validator has more to say than the upper-case note"
    exit 1
fi

newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || { echo "the newest release is $newest, the build is $version"; exit 1; }
launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
[ -f "$(dirname "$metainfo")/$launchable" ] || { echo "no desktop entry $launchable"; exit 1; }
echo "$metainfo is complete"
