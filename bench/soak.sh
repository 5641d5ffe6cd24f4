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
source "$(dirname "$0")/desktop.sh"
minutes=${1:-60}

mz_desktop_start "$(mz_kovrin_ini Biblia 1 5)" 170

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
