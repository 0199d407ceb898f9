#!/bin/bash
# The grid's drop-down header and footer in a real window: starts a virtual
# display with a window manager and the check window (grid_dropdown_window,
# whose grid gives its drop-down editors a header caption and two footer
# buttons), then with xdotool
#   1. opens the multi-column drop-down of cell (2, 1) and its pop-up;
#   2. takes a screenshot (the header caption "Pick a fruit" shows on top);
#   3. clicks the footer's rightmost button ("Clear", index 0);
# and prints what the window reported ("footer 2 1 0" is expected).
# Needs Xvfb, openbox, xdotool, xwininfo and ImageMagick's import.
# Usage: tests/window/grid_dropdown_look_check.sh BUILD_DIR [DISPLAY_NUMBER] [SHOT.png]
set -u
BUILD=${1:?build folder}
NUM=${2:-31}
SHOT=${3:-/tmp/grid_dropdown_look_check.png}
OUT=$(mktemp -d)
. "$(dirname "$0")/display.sh"

"$BUILD/tests/grid_dropdown_window" >"$OUT/log" 2>&1 & APP=$!; pids+=($APP)
wait_for "$OUT/log" ready || { echo "no window"; cat "$OUT/log"; exit 1; }
sleep 1
WIN=$(xdotool search --name "Grid drop-down check" | head -1)
xdotool windowactivate "$WIN"; sleep 0.5
xdotool key Right; sleep 0.3
xdotool key F2; sleep 0.5
xdotool key alt+Down; sleep 1
import -window root "$SHOT"
# The pop-up: the program's other visible window.
POP=""
for w in $(xdotool search --onlyvisible --pid "$APP"); do
  [ "$w" = "$WIN" ] && continue
  h=$(xwininfo -id "$w" | awk '/Height:/ {print $2}')
  [ "${h:-0}" -gt 60 ] && POP=$w
done
[ -n "$POP" ] || { echo "no pop-up"; cat "$OUT/log"; exit 1; }
PX=$(xwininfo -id "$POP" | awk '/Absolute upper-left X/ {print $4}')
PY=$(xwininfo -id "$POP" | awk '/Absolute upper-left Y/ {print $4}')
PW=$(xwininfo -id "$POP" | awk '/Width:/ {print $2}')
PH=$(xwininfo -id "$POP" | awk '/Height:/ {print $2}')
echo "pop-up at $PX,$PY size ${PW}x$PH"
# The rightmost footer button sits left of the size grip.
xdotool mousemove $((PX + PW - 33)) $((PY + PH - 11)); sleep 0.3
xdotool click 1; sleep 0.8
cat "$OUT/log"
echo "screenshot: $SHOT"
