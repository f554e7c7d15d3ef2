#!/usr/bin/env bash
# Installs what the game needs, builds it and starts it from its data folder, passing every
# argument on to it. Without a display the game runs under Xvfb. Ends with the game's status.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
ensure_packages "${game_packages[@]}"

cmake -S . -B build/game -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESSOK_TESTS=OFF \
    -DKESSOK_BENCH=OFF >/dev/null
cmake --build build/game -j "$(nproc)" --target kessok >/dev/null

game=$(pwd)/build/game/game/kessok
xvfb=$(pwd)/tests/with-xvfb.sh
cd game/data
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: running the game under Xvfb (Ctrl-C ends it)."
    exec "$xvfb" "$game" "$@"
fi
exec "$game" "$@"
