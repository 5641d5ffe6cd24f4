#!/usr/bin/env bash
# How much processor time the program uses between passages: it runs on its
# own Xvfb (with trayer as the tray host) with the default interval of
# fifteen minutes, and after a settling pause its user and system time are
# read twice, SECONDS apart. Not part of the test suite.
#
#   bench/idle.sh [SECONDS]      (default 60; needs a built tree: scripts/setup)
set -euo pipefail
source "$(dirname "$0")/desktop.sh"
seconds=${1:-60}

mz_desktop_start "$(mz_kovrin_ini Proverbios 900 10)" 190
sleep 15 # start-up and the greeting balloon (ten seconds)

ticks() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }
wakeups() { awk '/^voluntary_ctxt_switches|^nonvoluntary_ctxt_switches/ { s += $2 } END { print s }' "/proc/$app/status"; }
t0=$(ticks); w0=$(wakeups)
sleep "$seconds"
t1=$(ticks); w1=$(wakeups)
hz=$(getconf CLK_TCK)
echo "idle: $((t1 - t0)) clock ticks of processor time (1/$hz s each) and $((w1 - w0)) context switches in $seconds s"
