#!/bin/bash
# Border drags in a real window: starts a virtual display with a window
# manager and the check window (grid_window), then with xdotool
#   1. drags the header border of column 2 to the right;
#   2. drags the border of the row-number column along a data row;
#   3. drags the border under row 4 in the row-number column;
# and prints what the window reported, with a screenshot after the drags.
# Needs Xvfb, openbox, xdotool, xwininfo and ImageMagick's import.
# Usage: tests/window/grid_size_check.sh BUILD_DIR [DISPLAY_NUMBER] [SHOT.png]
set -u
BUILD=${1:?build folder}
NUM=${2:-31}
SHOT=${3:-/tmp/grid_size_check.png}
OUT=$(mktemp -d)
. "$(dirname "$0")/display.sh"

drag() {  # x0 y0 x1 y1, window coordinates
  local x0=$((WX + $1)) y0=$((WY + $2)) x1=$((WX + $3)) y1=$((WY + $4))
  xdotool mousemove "$x0" "$y0"; sleep 0.3
  xdotool mousemove $((x0 + 1)) "$y0"; sleep 0.2
  xdotool mousemove "$x0" "$y0"; sleep 0.3
  xdotool mousedown 1; sleep 0.3
  local i
  for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $(( x0 + (x1 - x0) * i / 10 )) $(( y0 + (y1 - y0) * i / 10 )); sleep 0.1
  done
  sleep 0.3
  xdotool mouseup 1; sleep 0.8
}

"$BUILD/tests/grid_window" >"$OUT/log" 2>&1 & pids+=($!)
wait_for "$OUT/log" ready || { echo "no window"; cat "$OUT/log"; exit 1; }
sleep 1
WIN=$(xdotool search --name "grid keyboard and mouse" | head -1)
# xwininfo's absolute corner is the client area's, without the frame.
WX=$(xwininfo -id "$WIN" | awk '/Absolute upper-left X/ {print $4}')
WY=$(xwininfo -id "$WIN" | awk '/Absolute upper-left Y/ {print $4}')
echo "window at $WX,$WY"
# Default sizes: columns 64 wide, rows 22 high, grid lines 1 pixel.
drag 194 10 260 10
drag 64 150 110 150
drag 20 114 20 140
sleep 0.5
import -window root "$SHOT"
cat "$OUT/log"
echo "screenshot: $SHOT"
