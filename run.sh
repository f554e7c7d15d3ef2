#!/usr/bin/env bash
# Installs what the game needs, builds it and starts it from its data folder, passing every
# argument on to it. Without a display the game runs under Xvfb. Ends with the game's status,
# 130 when Ctrl-C ended it.
set -euo pipefail
# Ctrl-C ends this script as SIGINT would without a trap, also while a command runs: without one,
# bash 5.2 takes an interrupt that came while it waited for a command that then ended normally
# (grep -q that had matched, a command substitution that had done its work) as handled by that
# command, and goes on.
trap 'trap - INT; kill -INT $$' INT
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
# The exec would drop an interrupt that the trap had taken and not yet run, so the trap goes
# first: from here on Ctrl-C ends this script at once, and after the exec it reaches the game.
trap - INT
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: running the game under Xvfb (Ctrl-C ends it)."
    exec "$xvfb" "$game" "$@"
fi
exec "$game" "$@"
