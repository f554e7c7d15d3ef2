#!/usr/bin/env bash
# The committed font image and description are exactly what the font generator writes.
#     font-data.sh <kessok_fontgen> <game data folder>
set -eu
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$1" "$out/font.NEAR.NMIP.NCMP.tga" "$out/font.cfg"
cmp "$out/font.NEAR.NMIP.NCMP.tga" "$2/font.NEAR.NMIP.NCMP.tga"
cmp "$out/font.cfg" "$2/font.cfg"
echo "1 passed, 0 failed"
