#!/usr/bin/env bash
# Installs what the game needs, builds it and starts it from its data folder, passing every
# argument on to it. Without a display the game runs under Xvfb. Ends with the game's status,
# 130 when Ctrl-C ended it.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
ensure_packages "${game_packages[@]}"

if [ ! -f build/game/CMakeCache.txt ]; then
    echo "Building the game: the first build takes a few minutes."
fi
cmake -S . -B build/game -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESSOK_TESTS=OFF \
    -DKESSOK_BENCH=OFF >/dev/null
# cmake's progress lines, and the compiler's messages should the build fail. As many jobs as
# CMAKE_BUILD_PARALLEL_LEVEL says, and one a core where it is not set.
cmake --build build/game -j "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" --target kessok

game=$(pwd)/build/game/game/kessok
xvfb=$(pwd)/tests/with-xvfb.sh
cd game/data
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: running the game under Xvfb (Ctrl-C ends it)."
    exec "$xvfb" "$game" "$@"
fi
exec "$game" "$@"
