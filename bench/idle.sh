#!/usr/bin/env bash
# How much processor time the program uses between passages: it runs on its
# own Xvfb (with trayer as the tray host) with the default interval of
# fifteen minutes, and after a settling pause its user and system time are
# read twice, SECONDS apart. Not part of the test suite.
#
#   bench/idle.sh [SECONDS]      (default 60; needs a built tree: scripts/setup)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${MZ_BUILD_DIR:-$top/build}
seconds=${1:-60}
program=$build/stage/lib/morvek-zefra/morvek-zefra
[ -x "$program" ] || { echo "idle: $program is missing; run scripts/setup" >&2; exit 2; }

work=$(mktemp -d)
cleanup() {
    kill "${app:-}" "${tray:-}" "${xvfb:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/lib/morvek-zefra" "$work/share/morvek-zefra" "$work/config"
cp "$program" "$work/lib/morvek-zefra/"
cp "$top/data/RV1960n.xml" "$work/share/morvek-zefra/"
cp "$top/data/Favoritos.xml" "$top/data/leeme.htm" "$top/data/Kovrin.ini" "$work/lib/morvek-zefra/"

display=:$((190 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$display trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
tray=$!
sleep 1
env -u DBUS_SESSION_BUS_ADDRESS DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" \
    "$work/lib/morvek-zefra/morvek-zefra" >/dev/null 2>&1 &
app=$!
sleep 15 # start-up and the greeting balloon (ten seconds)

ticks() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }
wakeups() { awk '/^voluntary_ctxt_switches|^nonvoluntary_ctxt_switches/ { s += $2 } END { print s }' "/proc/$app/status"; }
t0=$(ticks); w0=$(wakeups)
sleep "$seconds"
t1=$(ticks); w1=$(wakeups)
hz=$(getconf CLK_TCK)
echo "idle: $((t1 - t0)) clock ticks of processor time (1/$hz s each) and $((w1 - w0)) context switches in $seconds s"
