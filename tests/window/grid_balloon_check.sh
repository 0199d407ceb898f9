#!/bin/bash
# Balloon tool tips of the grid in a real window: starts a virtual display
# with a window manager and the check window (grid_balloon_window), then
# with xdotool
#   1. rests the mouse on cell (1, 1): the balloon says "Grüße €";
#   2. moves to cell (2, 1): the balloon goes and comes back with that
#      cell's own balloon (title "Address");
#   3. presses a key: the balloon goes;
# and checks on a screenshot taken while the first balloon shows that its
# body has the pale green background and navy text pixels. Prints PASS or
# FAIL lines and ends non-zero on a failure.
# Needs Xvfb, openbox, xdotool, xwininfo and ImageMagick's import and convert.
# Usage: tests/window/grid_balloon_check.sh BUILD_DIR [DISPLAY_NUMBER] [SHOT.png]
set -u
BUILD=${1:?build folder}
NUM=${2:-61}
SHOT=${3:-/tmp/grid_balloon_check.png}
OUT=$(mktemp -d)
. "$(dirname "$0")/display.sh"

failed=0
check() {  # name condition-result
  if [ "$2" = 0 ]; then echo "PASS $1"; else echo "FAIL $1"; failed=1; fi
}
pixel() {  # x y: the colour of a screenshot pixel as rrggbb
  convert "$SHOT" -crop "1x1+$1+$2" -depth 8 txt:- | tail -1 | grep -o '#[0-9A-Fa-f]\{6\}' | head -1 | tr -d '#'
}

"$BUILD/tests/grid_balloon_window" >"$OUT/log" 2>&1 & pids+=($!)
wait_for "$OUT/log" ready || { echo "FAIL no window"; cat "$OUT/log"; exit 1; }
sleep 1
WIN=$(xdotool search --name "grid balloons" | head -1)
WX=$(xwininfo -id "$WIN" | awk '/Absolute upper-left X/ {print $4}')
WY=$(xwininfo -id "$WIN" | awk '/Absolute upper-left Y/ {print $4}')
read -r X11 Y11 < <(awk '/^cell 1,1 / {print $3, $4}' "$OUT/log")
read -r X21 Y21 < <(awk '/^cell 2,1 / {print $3, $4}' "$OUT/log")

xdotool mousemove $((WX + X11 - 20)) $((WY + Y11)); sleep 0.1
xdotool mousemove $((WX + X11)) $((WY + Y11))
wait_for "$OUT/log" "^shown .*Grüße €" ; check "the balloon shows the cell's text" $?
sleep 0.3
import -window root "$SHOT"
read -r BL BT BW BH < <(grep '^shown .*Grüße €' "$OUT/log" | head -1 | awk '{print $2, $3, $4, $5}')
if [ -n "${BL:-}" ]; then
  # Inside the body, away from the text: the background colour.
  bg=$(pixel $((BL + BW - 6)) $((BT + BH / 2 + 4)))
  [ "${bg,,}" = "c8ffc8" ]; check "the body is pale green (got $bg)" $?
  # Navy text pixels somewhere in the body.
  navy=$(convert "$SHOT" -crop "${BW}x${BH}+${BL}+${BT}" -depth 8 txt:- | grep -ci '#0000[0-9a-f][0-9a-f]' )
  [ "${navy:-0}" -gt 5 ]; check "navy text pixels in the balloon ($navy)" $?
  # Outside the rounded corner the grid shows through the shape.
  corner=$(pixel "$BL" "$((BT + BH - 1))")
  [ "${corner,,}" != "c8ffc8" ]; check "the corner is cut off (got $corner)" $?
else
  check "the balloon's rectangle was reported" 1
fi

xdotool mousemove $((WX + X21)) $((WY + Y21))
wait_for "$OUT/log" "^hidden" ; check "the balloon goes in another cell" $?
wait_for "$OUT/log" "^shown .*Address|Data block 1, word 4" ; check "and comes back with that cell's balloon" $?
xdotool key Down
wait_for "$OUT/log" "^hidden" 2 ; check "a key takes it away" $?

cat "$OUT/log"
echo "screenshot: $SHOT"
exit $failed
