#!/usr/bin/env bash
# Runs a command under a private Xvfb display, so tests that open windows can run
# in parallel without sharing input focus. -displayfd avoids xvfb-run's race.
#
# The script becomes the command (exec): Ctrl-C, which reaches the whole process group, reaches
# the command as it would without this script, and the status is the command's own. Until the
# exec an interrupt ends the script at once, since it sets no trap and runs nothing in the
# foreground: under either, bash 5.2 catches SIGINT, and could end with an EXIT trap while the
# command ran on without its display, or go on to start the command after the interrupt.
# Xvfb belongs to a keeper in a session of its own, which no signal of the terminal reaches: it
# reads a pipe whose write end the command inherits, and ends Xvfb once the last holder of that
# end has gone, the command and whatever it started. The keeper holds the command's error stream
# until Xvfb has gone, so a caller that reads that stream to its end has seen Xvfb go.
set -u
coproc XVFB {
    exec setsid bash -c 'Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
            3>&1 </dev/null >/dev/null 2>&1 &
        xvfb=$!
        exec >&-
        cat >/dev/null
        kill "$xvfb" 2>/dev/null
        wait "$xvfb"'
}
# Bash closes the coprocess's own descriptors in the programs it runs; the pipe opened again by
# its name stays open in the command.
exec 9>"/dev/fd/${XVFB[1]}"
if ! read -r dnum <&"${XVFB[0]}"; then
    echo "with-xvfb.sh: Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$dnum"
exec "$@"
