#!/bin/bash
# The grid input an application sees, in a real window at a person's pace:
# starts a virtual display with a window manager and grid_input_window, then
# with xdotool
#   1. opens the drop-down menu of the "Mode" header cell and picks its
#      second item with the keyboard, and holds the "Count" header down;
#   2. presses the middle button, moves the pointer down and right and
#      back, so the grid pans, and ends panning with a key; then hovers a
#      clipped name for its hint;
#   3. zooms with Ctrl+wheel;
#   4. types into the edit combo of the "Mode" column, with an umlaut;
#   5. types a name with an umlaut, then into the spin cell of the "Count"
#      column;
#   6. scrolls with the wheel past the control in the "Control" column and
#      back with Ctrl+Home;
#   7. widens the form: the last column stretches with it;
# and prints what the window reported, with screenshots along the way.
# Needs Xvfb, openbox, xdotool, setxkbmap, xwininfo and ImageMagick's import.
# Usage: tests/window/grid_input_check.sh BUILD_DIR [DISPLAY_NUMBER] [SHOT_PREFIX]
set -u
BUILD=${1:?build folder}
NUM=${2:-53}
SHOT=${3:-/tmp/grid_input}
OUT=$(mktemp -d)
. "$(dirname "$0")/display.sh"
# A German keyboard: the umlauts are keys of their own (with Shift for the
# capitals), so xdotool need not lend them a key for a moment, which a busy
# machine may read after the loan has ended and lose.
setxkbmap -layout de || echo "no German layout: umlauts may come out small or not at all"

"$BUILD/tests/grid_input_window" >"$OUT/log" 2>&1 & pids+=($!)
wait_for "$OUT/log" ready || { echo "no window"; cat "$OUT/log"; exit 1; }
sleep 1
WIN=$(xdotool search --name "grid input" | head -1)
WX=$(xwininfo -id "$WIN" | awk '/Absolute upper-left X/ {print $4}')
WY=$(xwininfo -id "$WIN" | awk '/Absolute upper-left Y/ {print $4}')
echo "window at $WX,$WY"
at() { xdotool mousemove $((WX + $1)) $((WY + $2)); sleep 0.4; }
key() { xdotool key "$@"; sleep 0.6; }

# 1. The header of column 2 spans x 130..194; its button is the last 16.
at 150 11; at 186 11
import -window root "${SHOT}_1hover.png"
xdotool click 1; sleep 1
import -window root "${SHOT}_1menu.png"
key Down; key Down; key Return
sleep 0.5
# The "Count" header held down shows its pressed look.
at 210 11; at 226 11
xdotool mousedown 1; sleep 0.6
import -window root "${SHOT}_1pressed.png"
xdotool mouseup 1; sleep 0.6

# 2. Panning from the middle of the grid.
at 300 200
xdotool click 2; sleep 0.6
at 330 240; sleep 1.2
import -window root "${SHOT}_2pan.png"
at 302 203; sleep 0.8
key Escape
# The hints are back: a clipped name shows whole (panning took the view to
# the last rows; row 30 is the seventh shown).
at 100 164; at 104 166; sleep 2
import -window root "${SHOT}_2hint.png"

# 3. Ctrl+wheel zooms in.
at 200 150
xdotool keydown ctrl; sleep 0.3; xdotool click 5; sleep 0.5; xdotool keyup ctrl; sleep 0.8
import -window root "${SHOT}_3zoom.png"
xdotool keydown ctrl; sleep 0.3; xdotool click 4; sleep 0.5; xdotool keyup ctrl; sleep 0.8

# 4. The edit combo of row 2 in column 2, by keyboard.
key ctrl+Home
key Down; key Right
key F2
for k in S c h adiaeresis; do key "$k"; done
import -window root "${SHOT}_4combo.png"
key Return

# 5. A name typed in row 3 (a text editor), then the spin cell of row 4 in
#    column 3: its digits show in the cell as they are typed.
key Down; key Left
for k in Udiaeresis b e r; do key "$k"; done
key Return
key Down; key Right; key Right
key F2
key ctrl+a; key 4; key 2
import -window root "${SHOT}_5spin.png"
key Escape

# 6. The wheel scrolls the control of row 3 out of view and back.
at 300 200
for i in 1 2 3 4 5 6 7 8 9 10; do xdotool click 5; sleep 0.3; done
import -window root "${SHOT}_6scrolled.png"
key ctrl+Home
import -window root "${SHOT}_6back.png"

# 7. A wider form: the stretch column takes the new room.
xdotool windowsize "$WIN" 760 420; sleep 1.2
import -window root "${SHOT}_7wider.png"

cat "$OUT/log"
echo "screenshots: ${SHOT}_*.png"
