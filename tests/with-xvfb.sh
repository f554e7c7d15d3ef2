#!/usr/bin/env bash
# Runs a command under a private Xvfb display, so tests that open windows can run
# in parallel without sharing input focus. -displayfd avoids xvfb-run's race.
# Xvfb runs in a session of its own: Ctrl-C, which reaches the whole process group, ends the
# command alone, and the display goes once the command has ended.
set -u
fifo=$(mktemp -u)
mkfifo "$fifo"
setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
xpid=$!
trap 'kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null' EXIT
read -r dnum <"$fifo"
rm -f "$fifo"
DISPLAY=":$dnum" "$@"
rc=$?
exit "$rc"
