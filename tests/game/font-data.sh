#!/usr/bin/env bash
# The committed font image and description are exactly what the font generator writes.
#     font-data.sh <kessok_fontgen> <game data folder>
set -eu
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$1" "$out/font.NEAR.NMIP.NCMP.tga" "$out/font.cfg"
cmp "$out/font.NEAR.NMIP.NCMP.tga" "$2/font.NEAR.NMIP.NCMP.tga"
cmp "$out/font.cfg" "$2/font.cfg"
# Without its two paths it ends with 2, and with 1 when it cannot write either file.
status() { "$@" 2>/dev/null && echo 0 || echo $?; }
statuses="$(status "$1") $(status "$1" "$out/no/a.tga" "$out/a.cfg")"
statuses+=" $(status "$1" "$out/a.tga" "$out/no/a.cfg")"
[ "$statuses" = "2 1 1" ] || { echo "FAIL: exit statuses $statuses"; exit 1; }
echo "1 passed, 0 failed"
