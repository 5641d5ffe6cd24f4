#!/usr/bin/env bash
# Runs the program for a long time at a one-second interval on its own Xvfb
# (with trayer as the tray host) and compares its resident memory after the
# first minute with the memory at the end. Not part of the test suite.
#
#   bench/soak.sh [MINUTES]      (default 60; needs a built tree: scripts/setup)
#
# Prints the resident set size once a minute and fails when the last reading
# is higher than the reading after the first minute (beyond 256 KiB of noise).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${MZ_BUILD_DIR:-$top/build}
minutes=${1:-60}
program=$build/stage/lib/morvek-zefra/morvek-zefra
[ -x "$program" ] || { echo "soak: $program is missing; run scripts/setup" >&2; exit 2; }

work=$(mktemp -d)
cleanup() {
    kill "${app:-}" "${tray:-}" "${xvfb:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# An installation of its own with a one-second interval.
mkdir -p "$work/lib/morvek-zefra" "$work/share/morvek-zefra" "$work/config"
cp "$program" "$work/lib/morvek-zefra/"
cp "$top/data/RV1960n.xml" "$work/share/morvek-zefra/"
cp "$top/data/Favoritos.xml" "$top/data/leeme.htm" "$work/lib/morvek-zefra/"
printf '; Kovrin\r\n\r\n\r\n[Fuente]\r\nFuenteVersos=Biblia\r\n\r\n[Frecuencia]\r\nSegundos=1\r\n\r\n[ZefraWnd]\r\nDesplegado=5\r\nAutoHide=1\r\nIcono=0\r\nEstilo=3\r\nAmplitud=40\r\nPosicion=1\r\n' \
    > "$work/lib/morvek-zefra/Kovrin.ini"

display=:$((170 + RANDOM % 20))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$display trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
tray=$!
sleep 1
env -u DBUS_SESSION_BUS_ADDRESS DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" \
    "$work/lib/morvek-zefra/morvek-zefra" >/dev/null 2>&1 &
app=$!

rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$app/status"; }
first=""
for ((m = 1; m <= minutes; m++)); do
    sleep 60
    kill -0 "$app" 2>/dev/null || { echo "soak: the program ended after $m minutes" >&2; exit 1; }
    now=$(rss)
    echo "minute $m: $now KiB resident"
    [ -n "$first" ] || first=$now
done
if [ "$now" -gt $((first + 256)) ]; then
    echo "soak: resident memory grew from $first KiB to $now KiB" >&2
    exit 1
fi
echo "soak: $first KiB after the first minute, $now KiB after $minutes minutes"
