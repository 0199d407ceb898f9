#!/bin/bash
# Typing into a grid in a real window, at a person's pace: starts a virtual
# display with a window manager and the check window (grid_typing_window),
# then with xdotool
#   1. types a long note with umlauts into cell (1, 1), whose row grows as
#      the text wraps, and ends it with Enter;
#   2. types a code with a character beyond U+00FF into a valid-characters
#      cell (2, 2): that character stays out;
#   3. picks a city in the multi-column drop-down of (3, 3) by typing; Enter
#      writes it and opens the drop-down of (3, 4), where a second city is
#      typed and Escape ends;
#   4. starts the window again as in a designer and clicks the panel's
#      "Allow edit", "Column numbers", "Set look" (choosing an entry with
#      the keyboard) and its close box;
# and prints what the windows reported, with a screenshot of each.
# Needs Xvfb, openbox, xdotool, xwininfo and ImageMagick's import.
# Usage: tests/window/grid_typing_check.sh BUILD_DIR [DISPLAY_NUMBER] [SHOT_PREFIX]
set -u
BUILD=${1:?build folder}
NUM=${2:-31}
SHOT=${3:-/tmp/grid_typing_check}
OUT=$(mktemp -d)
. "$(dirname "$0")/display.sh"

key() { xdotool key "$@"; sleep 0.6; }
typed() { xdotool type --delay 350 "$1"; sleep 0.8; }
window() {  # sets WIN, WX, WY for the check window
  WIN=$(xdotool search --name "grid typing check" | head -1)
  xdotool windowactivate "$WIN"; sleep 0.5
  WX=$(xwininfo -id "$WIN" | awk '/Absolute upper-left X/ {print $4}')
  WY=$(xwininfo -id "$WIN" | awk '/Absolute upper-left Y/ {print $4}')
}

"$BUILD/tests/grid_typing_window" >"$OUT/log" 2>&1 & APP=$!; pids+=($APP)
wait_for "$OUT/log" ready || { echo "no window"; cat "$OUT/log"; exit 1; }
sleep 1
window
typed "Grüße aus der Fabrik in der Hauptstraße"
import -window root "$SHOT-grow.png"
key Return
key Up
key Right
key Down
typed "Zoë€5"
key Return
key Right
key F2
typed "mü"
key Return
sleep 0.5
typed "zü"
key Return
key Escape
import -window root "$SHOT-dropdown.png"
kill $APP; sleep 0.5
echo "--- typing"
cat "$OUT/log"

"$BUILD/tests/grid_typing_window" --design >"$OUT/design" 2>&1 & APP=$!; pids+=($APP)
wait_for "$OUT/design" ready || { echo "no design window"; cat "$OUT/design"; exit 1; }
sleep 1
window
read -r H CW CH < <(awk '/panel line/ {print $3, $5, $6}' "$OUT/design")
L=$((H + 2)); TOP=$((CH - (4 * H + 18))); LEFT=$((CW - 150))
click() { xdotool mousemove $((WX + $1)) $((WY + $2)); sleep 0.5; xdotool click 1; sleep 1; }
# The middle of each line (the grid's border puts its client 1 or 2 pixels
# inside the window's).
click $((LEFT + 30)) $((TOP + H + 12))
click $((LEFT + 30)) $((TOP + 2 * H + 14))
import -window root "$SHOT-design.png"
click $((LEFT + 10)) $((TOP + 3 * H + 16))
key Down
key Down
key Return
click $((CW - 8)) $((TOP + 8))
sleep 0.5
import -window root "$SHOT-closed.png"
echo "--- design"
cat "$OUT/design"
echo "screenshots: $SHOT-*.png"
