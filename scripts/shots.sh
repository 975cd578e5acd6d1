#!/usr/bin/env bash
# Screenshots of the running tool under Xvfb for a visual check:
# scripts/shots.sh [build-dir] [out-dir]. Needs xvfb, openbox, xdotool, imagemagick.
set -euo pipefail
build=${1:-build}
out=${2:-shots}
mkdir -p "$out"
export DISPLAY=${DISPLAY:-:99}
pgrep -x Xvfb >/dev/null || { Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 & sleep 1; }
pgrep -x openbox >/dev/null || { openbox >/dev/null 2>&1 & sleep 1; }
"$build/src/app/talir" 2>/dev/null &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT
sleep 1.5
shot() { sleep 0.6; import -window root "$out/$1.png"; }
key() { xdotool key --clearmodifiers "$@"; }
typein() { xdotool type --delay 20 "$1"; }

shot start
key alt+x 2>/dev/null || true
# Pick ПТ-Д5 (fifth entry) and open it.
key Tab Tab Tab; key shift+Tab shift+Tab shift+Tab   # focus back on the list
key Down Down Down Down Down; key Return
shot start-chosen
key Tab; key Return
shot ptd5-empty
typein 2500; key Tab; typein 600; key Tab; typein 200; key Return
shot ptd5-composite
key shift+Tab shift+Tab; typein 99; key Return
shot ptd5-invalid
