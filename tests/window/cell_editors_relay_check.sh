#!/bin/bash
# The date and button editors' reports in a real window, at a person's
# pace: starts a virtual display with a window manager and the check window
# (cell_editors_window --direct), then with xdotool
#   1. opens the date cell (4, 2) with F2, drops its calendar with F4 (a
#      screenshot shows it with week numbers), moves a day on and takes it
#      with Enter: the editor closes with the calendar;
#   2. selects the button cell (7, 2), opens its button with F2 and
#      clicks it;
# and prints what the window reported.
# Needs Xvfb, openbox, xdotool and ImageMagick's import.
# Usage: tests/window/cell_editors_relay_check.sh BUILD_DIR [DISPLAY_NUMBER] [SHOT_PREFIX]
set -u
BUILD=${1:?build folder}
NUM=${2:-32}
SHOT=${3:-/tmp/cell_editors_relay_check}
OUT=$(mktemp -d)
. "$(dirname "$0")/display.sh"

key() { xdotool key "$@"; sleep 0.7; }
click() { xdotool mousemove "$1" "$2"; sleep 0.4; xdotool click 1; sleep 0.8; }

"$BUILD/tests/cell_editors_window" --direct >"$OUT/log" 2>&1 & APP=$!; pids+=($APP)
wait_for "$OUT/log" ready || { echo "no window"; cat "$OUT/log"; exit 1; }
sleep 1
# "ready x,y ..." gives the centres of row 1's cells of columns 1 to 8.
read -r -a where <<<"$(grep ready "$OUT/log" | head -1)"
cell() {  # column -> "x y" of its row-2 cell (a row is about 25 pixels lower)
  local p=${where[$1]}
  echo "${p%,*} $(( ${p#*,} + 25 ))"
}
click $(cell 4)
key F2
key F4
import -window root "$SHOT-calendar.png"
key Right
key Return
sleep 0.5
import -window root "$SHOT-closed.png"
click $(cell 7)
key F2
import -window root "$SHOT-button.png"
click $(cell 7)
sleep 0.5
kill $APP; sleep 0.5
echo "--- reports"
cat "$OUT/log"
