#!/bin/bash
# The selection resizer in a real window: starts a virtual display with a
# window manager and the check window (grid_resizer_window), then with
# xdotool
#   1. moves the pointer onto the handle at the selection's corner and
#      drags it two rows down (the block is copied into the new rows, the
#      read-only cell keeps its text);
#   2. clicks an editable cell and presses F2 (the focus frame shows around
#      it), screenshots, and Escape (the frame goes);
# and prints what the window reported, with the screenshots.
# Needs Xvfb, openbox, xdotool, xwininfo and ImageMagick's import.
# Usage: tests/window/grid_resizer_check.sh BUILD_DIR [DISPLAY_NUMBER] [SHOT_PREFIX]
set -u
BUILD=${1:?build folder}
NUM=${2:-62}
SHOT=${3:-/tmp/grid_resizer_check}
OUT=$(mktemp -d)
. "$(dirname "$0")/display.sh"

"$BUILD/tests/grid_resizer_window" >"$OUT/log" 2>&1 & pids+=($!)
wait_for "$OUT/log" ready || { echo "no window"; cat "$OUT/log"; exit 1; }
sleep 1
WIN=$(xdotool search --name "grid resizer" | head -1)
WX=$(xwininfo -id "$WIN" | awk '/Absolute upper-left X/ {print $4}')
WY=$(xwininfo -id "$WIN" | awk '/Absolute upper-left Y/ {print $4}')
read -r HX HY < <(sed -n 's/^handle \([0-9-]*\),\([0-9-]*\)$/\1 \2/p' "$OUT/log")
read -r TX TY < <(sed -n 's/^target \([0-9-]*\),\([0-9-]*\)$/\1 \2/p' "$OUT/log")
read -r EX EY < <(sed -n 's/^edit \([0-9-]*\),\([0-9-]*\)$/\1 \2/p' "$OUT/log")
echo "window at $WX,$WY handle $HX,$HY target $TX,$TY"
x0=$((WX + HX)) y0=$((WY + HY)) x1=$((WX + TX)) y1=$((WY + TY))
xdotool mousemove $((x0 - 20)) $((y0 - 20)); sleep 0.3
xdotool mousemove "$x0" "$y0"; sleep 0.3
import -window root "${SHOT}_handle.png"
xdotool mousedown 1; sleep 0.3
for i in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove $(( x0 + (x1 - x0) * i / 10 )) $(( y0 + (y1 - y0) * i / 10 )); sleep 0.1
done
sleep 0.3
xdotool mouseup 1; sleep 0.8
import -window root "${SHOT}_dragged.png"
xdotool mousemove $((WX + EX)) $((WY + EY)); sleep 0.3
xdotool click 1; sleep 0.5
xdotool key F2; sleep 0.8
import -window root "${SHOT}_frame.png"
xdotool key Escape; sleep 0.5
cat "$OUT/log"
echo "screenshots: ${SHOT}_handle.png ${SHOT}_dragged.png ${SHOT}_frame.png"
